// Identifying a phone number or an e-mail address against the contacts, for
// programs that do not link the data library's string types. The number or
// text goes to the data library as the caller gave it; every text handed
// back is a system string (SysAllocString) that the caller frees with
// SysFreeString. Out-parameters are written only on a match, and a null
// pointer is skipped.
#pragma once

#include "core/VornaExport.h"

// The contact owning the number: its identifier, display name and the
// number's type label. `extra` is the data library's own result (the
// matching number's entry identifier) and is written only by it.
VORNALIB_API bool GetMatchPNInfo(const wchar_t* number, int* contactId, wchar_t** name, wchar_t** typeLabel,
                                 int* extra);

// Caller identification. As above, plus the contact's ring tone path in
// `text` and its photo in `bytes`/`byteCount` (owned by the data library,
// valid until this thread's next search). `blocked` is written on every
// call: for a match whether the contact is blacklisted, otherwise whether
// the phone rejects numbers that are not in the contacts.
VORNALIB_API bool GetMatchPNInfo(const wchar_t* number, int* contactId, wchar_t** name, wchar_t** typeLabel,
                                 wchar_t** text, unsigned char** bytes, int* byteCount, bool* blocked);

// Whether messages from the number are blocked: only a number of a
// blacklisted contact is.
VORNALIB_API bool IsSmsBlocked(const wchar_t* number);

// The contact owning the e-mail address: identifier, name and the raw type
// code of the address.
VORNALIB_API bool GetMatchEmailInfo(const wchar_t* address, int* contactId, wchar_t** name, int* type);

// Type-ahead: one matching number (or address) per call, first = true on
// the first call, false afterwards, until the function returns false.
VORNALIB_API bool GetFilterPNItems(const wchar_t* filter, int* contactId, wchar_t** name, wchar_t** typeLabel,
                                   wchar_t** number, bool first);
VORNALIB_API bool GetFilterEmailItems(const wchar_t* filter, int* contactId, wchar_t** name, wchar_t** typeLabel,
                                      wchar_t** address, bool first);
