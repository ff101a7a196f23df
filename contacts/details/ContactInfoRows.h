// The rows of a contact's details list: their kinds, how a row's data word
// carries its kind and value index, and the texts that rows show and copy.
#pragma once

#include <qzfc/QzString.h>

#include "ce/types.h"
#include "platform/ContactRecord.h"

// The kind of a details row, in the low 16 bits of its data word.
enum CONTACT_INFO_ROW_KIND {
  CONTACT_ROW_HEADER = 1,
  CONTACT_ROW_PHONE = 2,
  CONTACT_ROW_RING = 3,
  CONTACT_ROW_GROUPS = 4,
  CONTACT_ROW_EMAIL = 5,
  CONTACT_ROW_ADDRESS = 6,
  CONTACT_ROW_QQ = 7,
  CONTACT_ROW_MSN = 8,
  CONTACT_ROW_WEB_PAGE = 9,
  CONTACT_ROW_BIRTHDAY = 10,
  CONTACT_ROW_NOTE = 11,
  CONTACT_ROW_SEND = 12,
};

// Part codes of the list's commands (high 16 bits of lParam).
enum CONTACT_INFO_PART {
  CONTACT_PART_ROW = 0,        // a tap; on a phone row, on its left 80 pixels
  CONTACT_PART_NUMBER = 1,     // a phone row between x = 80 and 373
  CONTACT_PART_MESSAGE = 2,    // a phone row from x = 374 on
  CONTACT_PART_LONG_PRESS = 100,
};

namespace contact_rows {

inline DWORD MakeRowData(int kind, int index) { return static_cast<DWORD>(kind & 0xFFFF) | (static_cast<DWORD>(index) << 16); }
inline int RowKind(DWORD data) { return static_cast<int>(data & 0xFFFF); }
inline int RowIndex(DWORD data) { return static_cast<int>(data >> 16); }

// The stored birthday ("yyyymmdd") as the toolkit's date text; empty for a
// birthday shorter than eight characters or a date no calendar has.
CQzStringW BirthdayText(const qzu::string& birthday);

// The part of a phone row under x (relative to the row's left edge).
int PhonePartAt(int x);

// The value a row of a value kind (number, e-mail address, QQ number, MSN
// account, web page) shows: the index-th of its array; null for other kinds
// and for an index the record does not have.
const ContactValueEntry* ValueAt(const CContactInfo& contact, int kind, int index);

// What a long press on a row of this kind offers to copy: the value as the
// record holds it (a birthday as its eight digits, an address or a note as
// the row shows it). False for rows that offer no copy (header, ring tone,
// groups, send contact) and for an index the record does not have.
bool CopyTextOf(const CContactInfo& contact, int kind, int index, const qzu::string& rowText, qzu::string& text);

}  // namespace contact_rows
