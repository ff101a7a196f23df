// ComposeEmail and ComposeGroupEmail: the e-mail composer component, created
// for one message, addressed and shown.
#include <functional>

#include "ce/bstr.h"
#include "core/launch/EmailComposerInterfaces.h"
#include "core/launch/Launchers.h"
#include "platform/PimContract.h"

namespace {

// The address goes over as a BSTR of ours; the composer keeps its own copy,
// so ours is freed once the call returns.
void AddRecipient(IEmailMessage* message, const wchar_t* address) {
  BSTR text = SysAllocString(address);
  message->AddRecipient(text);
  SysFreeString(text);
}

// Creates the composer, gives it the owner and the recipients, and shows it.
// A composer that cannot be created is not reported.
void ShowComposer(HWND owner, const std::function<void(IEmailMessage*)>& addRecipients) {
  IEmailMessage* message = nullptr;
  if (FAILED(CoCreateInstance(kEmailComposerClass, nullptr, CLSCTX_INPROC_SERVER, kEmailMessageInterface,
                              reinterpret_cast<void**>(&message))) ||
      !message) {
    return;
  }
  IEmailView* view = nullptr;
  if (FAILED(message->QueryInterface(kEmailViewInterface, reinterpret_cast<void**>(&view))) || !view) {
    message->Release();
    return;
  }
  message->SetOwnerWindow(owner);
  addRecipients(message);
  view->Show();
  view->Release();
  message->Release();
}

}  // namespace

bool ComposeEmail(HWND owner, const wchar_t* address) {
  ShowComposer(owner, [address](IEmailMessage* message) { AddRecipient(message, address); });
  return true;
}

bool ComposeGroupEmail(HWND owner, int groupId) {
  ShowComposer(owner, [groupId](IEmailMessage* message) {
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    if (!db) return;
    qzu::string address;
    for (bool first = true; db->GetGroupEmail(groupId, address, first); first = false) {
      AddRecipient(message, address.c_str());
    }
  });
  return true;
}
