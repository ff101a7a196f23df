// telhub --open-vcard FILE: the file is checked, copied into the device as
// \tmpvcard\open-TAG.vcf, and the host window is told to show it (a running
// host of another process gets the tag in a posted message; pointers cannot
// cross processes, a number can).
#pragma once

#include <string>

#include "ce/types.h"

namespace telhub {

constexpr UINT kMsgOpenVcard = WM_USER + 5;  // wParam: the tag of the staged copy

// Largest file taken as a card; the decoder refuses larger ones anyway.
constexpr unsigned long long kMaxVcardFileBytes = 8ull * 1024 * 1024;

// False with a one-line problem when the file is missing, not a regular
// file, unreadable, empty or too large.
bool CheckVcardFile(const std::string& path, std::string& problem);

// Copies the checked file into the device root under the tag.
bool StageVcard(const std::string& path, unsigned tag, std::string& problem);

// Shows the staged copy through FastProcessVcf, then removes it.
void ShowStagedVcard(HWND owner, unsigned tag);

}  // namespace telhub
