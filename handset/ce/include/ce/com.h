// COM activation over a table of classes that live in this process.
//
// Components (the e-mail composer, the camera, the pickers) register a
// factory for their CLSID with ce::RegisterComClass; CoCreateInstance makes
// an object with it and asks it for the wanted interface. A thread calls
// CoInitializeEx before creating objects (CO_E_NOTINITIALIZED otherwise), as
// on the handset.
//
// Interfaces derive from IUnknown and declare their methods in order, so a
// method's place in the table of virtual functions is its slot number: the
// three IUnknown methods are slots 0 to 2 and an interface's first own
// method is slot 3. Destructors of interfaces are protected and non-virtual
// (objects are freed by Release), which keeps those slots in place.
#pragma once

#include <functional>

#include "ce/lasterror.h"
#include "ce/types.h"

struct IUnknown {
  virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
  virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
  virtual ULONG STDMETHODCALLTYPE Release() = 0;

 protected:
  ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;

// {00000000-0000-0000-C000-000000000046}
extern const IID IID_IUnknown;

#define CLSCTX_INPROC_SERVER 0x1
#define CLSCTX_INPROC_HANDLER 0x2
#define CLSCTX_LOCAL_SERVER 0x4
#define CLSCTX_REMOTE_SERVER 0x10
#define CLSCTX_INPROC (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER)
#define CLSCTX_ALL (CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER)

#define COINIT_MULTITHREADED 0x0
#define COINIT_APARTMENTTHREADED 0x2

#ifndef RPC_E_CHANGED_MODE
#define RPC_E_CHANGED_MODE ((HRESULT)0x80010106L)
#endif

// S_OK on the thread's first call, S_FALSE on later ones (each needs its
// CoUninitialize); RPC_E_CHANGED_MODE when the model differs from the first.
HRESULT CoInitializeEx(LPVOID reserved, DWORD coInit);
void CoUninitialize();

// *ppv receives the interface (one reference) or NULL. REGDB_E_CLASSNOTREG
// for an unknown class or a context without CLSCTX_INPROC_SERVER,
// E_NOINTERFACE when the object lacks the interface (the object is freed),
// CLASS_E_NOAGGREGATION for an outer object, E_POINTER for a null ppv.
HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv);

namespace ce {

// Makes a new object holding one reference, or returns null when it cannot.
using ComFactory = std::function<IUnknown*()>;

// Registers the class for this process; replaces an earlier factory.
void RegisterComClass(REFCLSID clsid, ComFactory factory);
void UnregisterComClass(REFCLSID clsid);

}  // namespace ce
