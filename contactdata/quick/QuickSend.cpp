#include "contactdata/quick/QuickSend.h"

#include <string>
#include <vector>

#include "ce/bstr.h"
#include "ce/modules.h"
#include "contactdata/VcardWriter.h"
#include "contactdata/quick/ModalOverWorkArea.h"
#include "contactdata/quick/VcardFiles.h"
#include "contacts/picker/CContactValueSelectWnd.h"
#include "core/launch/Launchers.h"
#include "core/module/Resources.h"
#include "platform/BtLinkContract.h"
#include "platform/MailComposerContract.h"
#include "platform/PimContract.h"

namespace {

enum SendCommand : UINT { kByText = 100, kByMultimedia = 2, kByBluetooth = 3, kByEmail = 4 };
constexpr UINT kStrByText = 851, kStrByMultimedia = 852, kStrByBluetooth = 853, kStrByEmail = 854, kStrCancel = 611;

bool LoadContact(int contactId, CContactInfo& record) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  return contactId != 0 && db && db->GetContactInfo(contactId, record, false);
}

void SendByText(int contactId) {
  CContactInfo record;
  if (!LoadContact(contactId, record)) return;
  qzu::string card;
  MakeVcardContent(record, card);
  ComposeSms(L"", card.c_str());
}

void SendByMultimedia(int contactId) {
  if (contactId == 0) return;
  EnsureVcardFolder();
  CContactInfo record;
  if (!LoadContact(contactId, record)) return;
  const std::wstring path = WriteContactVcard(record);
  if (!path.empty()) ComposeMessageWithVcard(record.fileAs.c_str(), path.c_str());
}

// Lets the user pick contacts and writes a card for each that can still be
// loaded; the paths of the cards written, in list order.
std::vector<std::wstring> PickAndWriteCards(HWND owner, int contactId) {
  std::vector<std::wstring> paths;
  CContactValueSelectWnd picker;
  picker.SetSelectType(SELECT_CONTACTS);
  picker.SetInitSelectedContact(contactId);
  if (RunOverWorkArea(picker, owner) != 1) return paths;
  qzu::array<ContactValueInfo> chosen;
  picker.GetSelectedItems(chosen);
  EnsureVcardFolder();
  for (const ContactValueInfo& item : chosen) {
    CContactInfo record;
    if (!LoadContact(item.id, record)) continue;
    std::wstring path = WriteContactVcard(record);
    if (!path.empty()) paths.push_back(std::move(path));
  }
  return paths;
}

void SendByBluetooth(HWND owner, const std::vector<std::wstring>& paths) {
  HMODULE applet = LoadLibraryW(kBtLinkLibrary);
  if (!applet) return;
  if (auto entry = reinterpret_cast<BtLinkAppletProc>(GetProcAddressW(applet, kBtLinkEntryPoint))) {
    std::vector<const wchar_t*> names;
    for (const std::wstring& path : paths) names.push_back(path.c_str());
    BtLinkFileList list{static_cast<DWORD>(names.size()), names.data()};
    entry(owner, BTLINK_SEND_FILES, reinterpret_cast<LPARAM>(&list), 0);
  }
  FreeLibrary(applet);
}

// The composer keeps copies of the texts it is given, so ours are freed
// once each call returns.
void SendByEmail(HWND owner, const std::vector<std::wstring>& paths) {
  IMailComposer* composer = nullptr;
  if (FAILED(CoCreateInstance(CLSID_MailComposer, nullptr, CLSCTX_INPROC_SERVER, IID_IMailComposer,
                              reinterpret_cast<void**>(&composer))) ||
      !composer)
    return;
  IMailComposerView* view = nullptr;
  if (FAILED(composer->QueryInterface(IID_IMailComposerView, reinterpret_cast<void**>(&view))) || !view) {
    composer->Release();
    return;
  }
  for (const std::wstring& path : paths) {
    BSTR attachment = SysAllocString(path.c_str());
    composer->AddAttachment(attachment);
    SysFreeString(attachment);
  }
  composer->SetOwnerWindow(owner);
  view->Show();
  view->Release();
  composer->Release();
}

}  // namespace

void FastSendContactInfo(HWND owner, int contactId) {
  QzPopupMenu menu;
  menu.AppendMenuItem(kByText, LoadResString(kStrByText), 0);
  menu.AppendMenuItem(kByMultimedia, LoadResString(kStrByMultimedia), 0);
  menu.AppendMenuItem(kByBluetooth, LoadResString(kStrByBluetooth), 0);
  menu.AppendMenuItem(kByEmail, LoadResString(kStrByEmail), 0);
  const UINT command = menu.QzTrackPopupMenu(owner, 1, LoadResString(kStrCancel), 0);
  if (command == kByText) {
    SendByText(contactId);
  } else if (command == kByMultimedia) {
    SendByMultimedia(contactId);
  } else if (command == kByBluetooth || command == kByEmail) {
    std::vector<std::wstring> paths = PickAndWriteCards(owner, contactId);
    // Contacts deleted since they were listed leave nothing to send.
    if (paths.empty()) return;
    if (command == kByBluetooth)
      SendByBluetooth(owner, paths);
    else
      SendByEmail(owner, paths);
  }
}

bool FastGetContactVcf(HWND owner, wchar_t** vcfPath, wchar_t** text) {
  CContactValueSelectWnd picker;
  picker.SetSelectType(SELECT_ONE_CONTACT);
  if (RunOverWorkArea(picker, owner) != 1) return false;
  const int contactId = picker.GetSelectContactId();
  if (contactId == 0) return false;
  EnsureVcardFolder();
  CContactInfo record;
  // A contact deleted since the list was read gives no card.
  if (!LoadContact(contactId, record)) return false;
  if (vcfPath) {
    const std::wstring path = WriteContactVcard(record);
    if (!path.empty()) *vcfPath = SysAllocString(path.c_str());
  }
  if (text) {
    qzu::string card;
    MakeVcardContent(record, card);
    *text = SysAllocString(card.c_str());
  }
  return true;
}
