// The vCard files of contacts being sent: written into the folder
// "\tmpvcard\" under names made from the contacts' display names, never
// over an earlier file. The files stay after sending.
#pragma once

#include <string>

#include "platform/ContactRecord.h"

// The folder of the written cards (a CE path under the device root).
inline constexpr const wchar_t* kVcardFolder = L"\\tmpvcard\\";

// The text without characters below U+0020, and with each of " * / : < > ?
// \ | replaced by "_". Null gives an empty text.
std::wstring MakeFileSafeName(const wchar_t* text);

// The path itself when no file has it; otherwise the first free one of
// base_1.vcf, base_2.vcf, ... (base: the path without its last four
// characters). Empty when the path does not end in ".vcf" or no free name
// is found.
std::wstring MakeUniqueVcfPath(const std::wstring& path);

// Creates the folder when it is missing; true when it is there.
bool EnsureVcardFolder();

// Writes the contact's card to a fresh file of the folder and returns its
// path; empty when it could not be written. The card is written under a
// temporary name and renamed once complete, so a reader never meets half a
// card and a failed write leaves nothing behind.
std::wstring WriteContactVcard(CContactInfo& contact);
