// One-call contact screens for programs without a contacts window of their
// own: create a contact from a number or e-mail address, or add one to a
// contact that the user picks. `kind` is 256 (phone number) or 512 (e-mail).
#pragma once

#include "ce/types.h"
#include "core/VornaExport.h"

// The new contact's identifier, or 0 when the user cancelled.
VORNALIB_API int FastNewContact(HWND owner, int kind, const wchar_t* value, const wchar_t* name);

// Edits a stored contact: its identifier after saving, -1 when the user
// deleted the contact, 0 after going back or cancelling.
VORNALIB_API int FastEditContact(HWND owner, int contactId);

// The identifier of the contact that the user picked, or 0 when none was.
VORNALIB_API int FastAddItem2Contact(HWND owner, int kind, const wchar_t* value);
