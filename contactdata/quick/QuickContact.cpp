#include "contactdata/quick/QuickContact.h"

// FIXME: needs the contact editor (new-contact mode, with the value filled
// in) and saving through it; until then the user is taken to have cancelled.
int FastNewContact(HWND, int, const wchar_t*, const wchar_t*) { return 0; }

// FIXME: needs the contact picker (one contact) and the contact editor
// (add-item mode) to store the value; until then no contact is picked.
int FastAddItem2Contact(HWND, int, const wchar_t*) { return 0; }

// FIXME: needs the contact editor (edit mode); until then the user is taken
// to have gone back without a change.
int FastEditContact(HWND, int) { return 0; }
