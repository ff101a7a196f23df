#include "contactdata/quick/QuickContact.h"

#include "contactdata/quick/ModalOverWorkArea.h"
#include "contacts/editor/ContactEditWnd.h"
#include "contacts/picker/CContactValueSelectWnd.h"
#include "platform/PimContract.h"

namespace {

constexpr int kMobile = 0, kPersonal = 0;

}  // namespace

int FastNewContact(HWND owner, int kind, const wchar_t* value, const wchar_t* name) {
  CContactEditWnd editor;
  editor.SetMode(EDIT_MODE_NEW);
  CContactInfo& record = editor.GetContactInfo();
  if (name) record.UpdateNameInfo(qzu::string(), qzu::string(name), qzu::string());
  const bool hasValue = value && *value;
  if (kind == EDIT_KIND_EMAIL && hasValue)
    record.AddEmail(0, qzu::string(value), kPersonal);
  else if (kind == EDIT_KIND_PHONE && hasValue)
    record.AddPhoneNumber(0, qzu::string(value), kMobile, 1);
  return RunOverWorkArea(editor, owner) == CContactEditWnd::kResultSaved ? editor.GetContactId() : 0;
}

int FastEditContact(HWND owner, int contactId) {
  CContactEditWnd editor;
  editor.SetMode(EDIT_MODE_EDIT);
  editor.SetContactId(contactId);
  switch (RunOverWorkArea(editor, owner)) {
    case CContactEditWnd::kResultSaved:
      return editor.GetContactId();
    case CContactEditWnd::kResultDeleted:
      return -1;
    default:
      return 0;
  }
}

// The user picks a contact, sees it in the editor with the value added, and
// saves (the value is stored) or cancels (nothing is stored). The picked
// contact is returned either way.
int FastAddItem2Contact(HWND owner, int kind, const wchar_t* value) {
  CContactValueSelectWnd picker;
  picker.SetSelectType(SELECT_ONE_CONTACT);
  if (RunOverWorkArea(picker, owner) != 1) return 0;
  CContactEditWnd editor;
  editor.SetMode(EDIT_MODE_ADD_ITEM);
  editor.SetContactId(picker.GetSelectContactId());
  if (!CreateOverWorkArea(editor, owner)) return editor.GetContactId();
  CContactInfo& record = editor.GetContactInfo();
  st_contacts_extra entry;
  entry.value = qzu::string(value);
  // Nothing to add is not an empty entry to store.
  const bool adds = !entry.value.empty() && (kind == EDIT_KIND_PHONE || kind == EDIT_KIND_EMAIL);
  if (adds && kind == EDIT_KIND_PHONE) record.AddPhoneNumber(0, entry.value, kMobile, 0);
  if (adds && kind == EDIT_KIND_EMAIL) record.AddEmail(0, entry.value, kPersonal);
  editor.RefreshFieldList();
  const int result = editor.DoModal(TRUE);
  editor.DestroyWindow();
  const int contactId = editor.GetContactId();
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (result == CContactEditWnd::kResultSaved && adds && db) {
    if (kind == EDIT_KIND_PHONE) {
      // The first number a contact gets becomes its primary one.
      entry.primary = record.GetPrimaryPhoneNumber() == -1 ? 1 : 0;
      db->addPhones(contactId, entry);
    } else {
      db->addExtraInfo(contactId, EXTRA_EMAIL, entry);
    }
  }
  // A contact deleted by another program meanwhile is no contact to report.
  CContactInfo stored;
  if (!db || !db->GetContactInfo(contactId, stored, true)) return 0;
  return contactId;
}
