// Starting the sibling programs (in-call screen, message composer) and the
// e-mail composer, and the numbers handed between windows for dialling.
#pragma once

#include <qzfc/QzString.h>

#include "ce/types.h"

// Starts a program through the shell ("open", shown normally) with this
// parameter string; true when it was started.
bool LaunchProgram(const wchar_t* path, const wchar_t* params);

// Starts the in-call screen with "-n " and the whole number. The first
// prefixLength characters are an IP-call prefix: LastDialledNumber receives
// the rest, unless the number ends in "#" (a service code).
bool DialNumber(const wchar_t* number, int prefixLength);

// Opens the message composer: "-n " + numbers, then U+2593 + body when a
// body is given. Either argument may be null.
bool ComposeSms(const wchar_t* numbers, const wchar_t* body);

// Opens the message composer for a contact group: "-b " + the group id, then
// U+2593 + text when a text is given.
bool ComposeGroupSms(int groupId, const wchar_t* text);

// Opens the message composer with a vCard file attached:
// "-v " U+2593 U+2593 name U+2593 path.
bool ComposeMessageWithVcard(const wchar_t* name, const wchar_t* path);

// Open the e-mail composer component addressed to one address or to every
// address of a group. Always true: an absent composer is not reported.
bool ComposeEmail(HWND owner, const wchar_t* address);
bool ComposeGroupEmail(HWND owner, int groupId);

// The number a list window hands to the dial window, which takes and clears it.
extern CQzStringW PendingDialNumber;
// The last number given to the in-call screen, without its IP-call prefix.
extern CQzStringW LastDialledNumber;
