// A contact as a vCard 2.1 card (a file or 8-bit text) and as a short
// plain-text card to paste into a message.
#pragma once

#include "core/VornaExport.h"
#include "platform/ContactRecord.h"

// Writes the card to a new file at a CE path. False, leaving the disk as it
// was, when the file exists already, the path cannot be created (outside
// the device root, no such folder) or the write fails.
VORNALIB_API bool MakeVcard(CContactInfo& contact, const wchar_t* path);
// Replaces the text with the card's bytes. Always true.
VORNALIB_API bool MakeVcard(CContactInfo& contact, qzu::string8& card);
// Appends the plain-text card: one "label:  value" line per field, each
// ended by a carriage return and line feed. Always true.
VORNALIB_API bool MakeVcardContent(CContactInfo& contact, qzu::string& text);
