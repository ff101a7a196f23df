// The IUnknown half of an in-process COM object: its reference count and a
// QueryInterface over the interfaces it lists. An object names each interface
// with its identifier and writes only the interfaces' own methods:
//
//   class Picker final : public ce::ComObject<ce::ComInterface<IPicker, IID_IPicker>,
//                                             ce::ComInterface<IPickerView, IID_IPickerView>> { ... };
//
// The first listed interface also answers for IID_IUnknown. An object starts
// with one reference (the factory's) and deletes itself on the last Release.
#pragma once

#include <atomic>

#include "ce/com.h"

namespace ce {

template <typename Interface, const IID& kIid>
struct ComInterface {
  using Type = Interface;
  static const IID& Id() { return kIid; }
};

template <typename First, typename... Others>
class ComObject : public First::Type, public Others::Type... {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (riid == IID_IUnknown)
      *out = static_cast<typename First::Type*>(this);
    else if (!(Give<First>(riid, out) || ... || Give<Others>(riid, out)))
      return E_NOINTERFACE;
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

 protected:
  ComObject() = default;
  virtual ~ComObject() = default;

 private:
  template <typename Face>
  bool Give(REFIID riid, void** out) {
    if (!(riid == Face::Id())) return false;
    *out = static_cast<typename Face::Type*>(this);
    return true;
  }

  std::atomic<ULONG> refs_{1};
};

}  // namespace ce
