#include "ce/com.h"

#include <mutex>
#include <vector>

const IID IID_IUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace {

struct ComClass {
  CLSID clsid;
  ce::ComFactory factory;
};

std::mutex g_mutex;
// Few classes are registered; a list keeps GUID comparison simple.
std::vector<ComClass>& Classes() {
  static auto* classes = new std::vector<ComClass>;
  return *classes;
}

struct ThreadApartment {
  int initCount = 0;
  DWORD model = 0;
};
thread_local ThreadApartment t_apartment;

ce::ComFactory FindFactory(REFCLSID clsid) {
  std::lock_guard lock(g_mutex);
  for (const ComClass& entry : Classes())
    if (entry.clsid == clsid) return entry.factory;
  return {};
}

}  // namespace

HRESULT CoInitializeEx(LPVOID reserved, DWORD coInit) {
  DWORD model = coInit & COINIT_APARTMENTTHREADED;
  if (t_apartment.initCount > 0 && t_apartment.model != model) return RPC_E_CHANGED_MODE;
  t_apartment.model = model;
  return t_apartment.initCount++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize() {
  if (t_apartment.initCount > 0) --t_apartment.initCount;
}

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (t_apartment.initCount == 0) return CO_E_NOTINITIALIZED;
  if (pUnkOuter) return CLASS_E_NOAGGREGATION;
  ce::ComFactory factory = (dwClsContext & CLSCTX_INPROC_SERVER) ? FindFactory(rclsid) : ce::ComFactory();
  if (!factory) return REGDB_E_CLASSNOTREG;
  IUnknown* object = factory();
  if (!object) return E_OUTOFMEMORY;
  HRESULT result = object->QueryInterface(riid, ppv);
  // The caller's reference, if any, came from QueryInterface; drop the factory's.
  object->Release();
  if (FAILED(result)) *ppv = nullptr;
  return result;
}

namespace ce {

void RegisterComClass(REFCLSID clsid, ComFactory factory) {
  if (!factory) return;
  std::lock_guard lock(g_mutex);
  for (ComClass& entry : Classes()) {
    if (entry.clsid == clsid) {
      entry.factory = std::move(factory);
      return;
    }
  }
  Classes().push_back({clsid, std::move(factory)});
}

void UnregisterComClass(REFCLSID clsid) {
  std::lock_guard lock(g_mutex);
  std::erase_if(Classes(), [&](const ComClass& entry) { return entry.clsid == clsid; });
}

}  // namespace ce
