#include "contactdata/quick/QuickContact.h"

#include "contacts/editor/ContactEditWnd.h"

namespace {

constexpr int kMobile = 0, kPersonal = 0;

// Runs the editor over the caller's window; its result, or 0 when it could
// not be created.
int RunEditor(CContactEditWnd& editor, HWND owner) {
  RECT wa = QzGetWorkArea();
  if (!editor.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, owner, 0, WS_POPUP)) return 0;
  int result = editor.DoModal(TRUE);
  editor.DestroyWindow();
  return result;
}

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
  return RunEditor(editor, owner) == CContactEditWnd::kResultSaved ? editor.GetContactId() : 0;
}

int FastEditContact(HWND owner, int contactId) {
  CContactEditWnd editor;
  editor.SetMode(EDIT_MODE_EDIT);
  editor.SetContactId(contactId);
  switch (RunEditor(editor, owner)) {
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
