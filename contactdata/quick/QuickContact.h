// One-call contact screens for programs without a contacts window of their
// own: create a contact from a number or e-mail address, edit a stored one,
// or add a number or address to a contact that the user picks. `kind` is 256
// (phone number) or 512 (e-mail address).
#pragma once

#include "ce/types.h"
#include "core/VornaExport.h"

// The new contact's identifier, or 0 when the user cancelled. The name, when
// given, becomes the first name; the value the contact's first number (a
// mobile number, primary) or e-mail address (personal).
VORNALIB_API int FastNewContact(HWND owner, int kind, const wchar_t* value, const wchar_t* name);

// The contact's identifier after save or done, -1 when the user deleted the
// contact, 0 after back or cancel.
VORNALIB_API int FastEditContact(HWND owner, int contactId);

// The identifier of the contact that the user picked, or 0 when none was
// (or it no longer exists). The value is stored only when the editor is saved.
VORNALIB_API int FastAddItem2Contact(HWND owner, int kind, const wchar_t* value);
