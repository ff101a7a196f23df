// Sending contacts: as a text message, as a card attached to a multimedia
// message, by Bluetooth or by e-mail, and handing a picked contact's card to
// the caller as a file and as text.
#pragma once

#include "ce/types.h"
#include "core/VornaExport.h"

// Asks how to send and sends. Text and multimedia messages send this
// contact (nothing when it is 0); Bluetooth and e-mail let the user pick
// contacts first, this one pre-selected.
VORNALIB_API void FastSendContactInfo(HWND owner, int contactId);

// Lets the user pick one contact and gives its card: the path of a written
// vCard file and the plain-text card, each as a system string the caller
// frees with SysFreeString. Either out-parameter may be null; one that
// cannot be given is left as it was. False when nothing was picked or the
// contact cannot be loaded.
VORNALIB_API bool FastGetContactVcf(HWND owner, wchar_t** vcfPath, wchar_t** text);
