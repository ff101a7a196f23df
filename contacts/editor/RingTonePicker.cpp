#include "contacts/editor/RingTonePicker.h"

#include "ce/bstr.h"
#include "core/module/Resources.h"
#include "platform/MediaPickerContract.h"
#include "platform/PimContract.h"

namespace {

constexpr UINT kStrChooseRing = 699, kStrBack = 626;

// Asks the picker for the tone; true with the path (empty for the default
// tone) when one was confirmed.
bool ShowPicker(IRingTonePicker& picker, IRingTonePickerView& view, HWND owner, const qzu::string& current,
                qzu::string& chosen) {
  picker.SetOwnerWindow(owner);
  CQzStringW folder;
  if (QzGetPath(L"UserRingPath", folder)) picker.SetUserRingFolder(folder);
  if (QzGetPath(L"SettingRingPath", folder)) picker.SetSystemRingFolder(folder);
  picker.SetSelectedPath(current.c_str());
  picker.SetTitle(LoadResString(kStrChooseRing));
  picker.SetBackText(LoadResString(kStrBack));
  int result = 0;
  if (FAILED(view.Show(&result)) || result != RING_RESULT_CHOSEN) return false;
  BSTR path = nullptr;
  if (FAILED(picker.GetChosenPath(&path))) return false;
  chosen = qzu::string(path);
  SysFreeString(path);
  return true;
}

}  // namespace

bool PickContactRingTone(HWND owner, CContactInfo& record) {
  IRingTonePicker* picker = nullptr;
  if (FAILED(CoCreateInstance(CLSID_RingTonePicker, nullptr, CLSCTX_INPROC_SERVER, IID_IRingTonePicker,
                              reinterpret_cast<void**>(&picker))) ||
      !picker)
    return false;
  IRingTonePickerView* view = nullptr;
  if (FAILED(picker->QueryInterface(IID_IRingTonePickerView, reinterpret_cast<void**>(&view))) || !view) {
    picker->Release();
    return false;
  }
  qzu::string chosen;
  bool changed = ShowPicker(*picker, *view, owner, record.ringPath, chosen) && !(chosen == record.ringPath);
  if (changed) {
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    if (record.contactId > 0 && db) db->UpdateRingPath(record.contactId, chosen);
    record.UpdateRing(chosen);
  }
  view->Release();
  picker->Release();
  return changed;
}
