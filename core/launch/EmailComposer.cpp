// ComposeEmail and ComposeGroupEmail: the e-mail composer component, created
// for one message, addressed and shown.
#include <functional>

#include "ce/bstr.h"
#include "core/launch/Launchers.h"
#include "platform/MailComposerContract.h"
#include "platform/PimContract.h"

namespace {

// The address goes over as a BSTR of ours; the composer keeps its own copy,
// so ours is freed once the call returns.
void AddRecipient(IMailComposer* composer, const wchar_t* address) {
  BSTR text = SysAllocString(address);
  composer->AddRecipient(text);
  SysFreeString(text);
}

// Creates the composer, gives it the owner and the recipients, and shows it.
// A composer that cannot be created is not reported.
void ShowComposer(HWND owner, const std::function<void(IMailComposer*)>& addRecipients) {
  IMailComposer* composer = nullptr;
  if (FAILED(CoCreateInstance(CLSID_MailComposer, nullptr, CLSCTX_INPROC_SERVER, IID_IMailComposer,
                              reinterpret_cast<void**>(&composer))) ||
      !composer) {
    return;
  }
  IMailComposerView* view = nullptr;
  if (FAILED(composer->QueryInterface(IID_IMailComposerView, reinterpret_cast<void**>(&view))) || !view) {
    composer->Release();
    return;
  }
  composer->SetOwnerWindow(owner);
  addRecipients(composer);
  view->Show();
  view->Release();
  composer->Release();
}

}  // namespace

bool ComposeEmail(HWND owner, const wchar_t* address) {
  ShowComposer(owner, [address](IMailComposer* composer) { AddRecipient(composer, address); });
  return true;
}

bool ComposeGroupEmail(HWND owner, int groupId) {
  ShowComposer(owner, [groupId](IMailComposer* composer) {
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    if (!db) return;
    qzu::string address;
    for (bool first = true; db->GetGroupEmail(groupId, address, first); first = false) {
      AddRecipient(composer, address.c_str());
    }
  });
  return true;
}
