#include "contactdata/quick/QuickContact.h"

#include "contactdata/quick/ModalOverWorkArea.h"
#include "contacts/editor/ContactEditWnd.h"

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

// FIXME: needs the contact picker (one contact) and the contact editor
// (add-item mode) to store the value; until then no contact is picked.
int FastAddItem2Contact(HWND, int, const wchar_t*) { return 0; }
