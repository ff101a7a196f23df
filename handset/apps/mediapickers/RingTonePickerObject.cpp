// The COM object behind CLSID_RingTonePicker.
#include "ModalScreen.h"
#include "RingTonePickerWnd.h"
#include "ce/bstr.h"
#include "ce/com_object.h"
#include "mediapickers/RingTonePicker.h"

namespace mediapickers {
namespace {

std::wstring Copy(LPCWSTR text) { return text ? std::wstring(text) : std::wstring(); }

class RingTonePickerObject final
    : public ce::ComObject<ce::ComInterface<IRingTonePicker, IID_IRingTonePicker>,
                           ce::ComInterface<IRingTonePickerView, IID_IRingTonePickerView>> {
 public:
  HRESULT STDMETHODCALLTYPE SetOwnerWindow(HWND owner) override {
    owner_ = owner;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetUserRingFolder(LPCWSTR folder) override { return Set(settings_.userFolder, folder); }
  HRESULT STDMETHODCALLTYPE SetSystemRingFolder(LPCWSTR folder) override {
    return Set(settings_.systemFolder, folder);
  }
  HRESULT STDMETHODCALLTYPE SetSelectedPath(LPCWSTR path) override { return Set(settings_.preselected, path); }
  HRESULT STDMETHODCALLTYPE SetTitle(LPCWSTR title) override { return Set(settings_.title, title); }
  HRESULT STDMETHODCALLTYPE SetBackText(LPCWSTR text) override { return Set(settings_.backText, text); }
  HRESULT STDMETHODCALLTYPE GetChosenPath(BSTR* path) override {
    if (!path) return E_POINTER;
    *path = chosen_.empty() ? nullptr : SysAllocString(chosen_.c_str());
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE Show(int* result) override {
    chosen_.clear();
    RingTonePickerWnd picker(settings_);
    const int ended = RunModalScreen(picker, owner_);
    if (ended == RING_RESULT_CHOSEN) chosen_ = picker.MarkedPath();
    if (result) *result = ended == RING_RESULT_CHOSEN ? RING_RESULT_CHOSEN : RING_RESULT_CANCELLED;
    return ended == 0 ? E_FAIL : S_OK;
  }

 private:
  static HRESULT Set(std::wstring& field, LPCWSTR text) {
    field = Copy(text);
    return S_OK;
  }

  HWND owner_ = nullptr;
  RingTonePickerSettings settings_;
  std::wstring chosen_;
};

}  // namespace
}  // namespace mediapickers

void RegisterRingTonePicker() {
  ce::RegisterComClass(CLSID_RingTonePicker,
                       [] { return static_cast<IRingTonePicker*>(new mediapickers::RingTonePickerObject); });
}

void UnregisterRingTonePicker() { ce::UnregisterComClass(CLSID_RingTonePicker); }
