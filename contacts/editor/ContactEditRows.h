// The rows of the contact editor's field list, worked out from a record: which
// rows there are, their texts, and which zone of a row a press lands in.
#pragma once

#include <vector>

#include "contactdata/AddressText.h"
#include "contacts/editor/ContactEditKinds.h"
#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

struct EditRow {
  int kind = EDIT_ROW_HEADER;
  int index = 0;     // the entry's position in its array of the record
  qzu::string text;  // ring tone name, composed address or note; else empty
};

// Header; the add buttons (not in add-item mode); numbers, e-mail addresses,
// QQ numbers, MSN accounts, web pages and addresses in their arrays' order;
// the note and the birthday when set; the ring tone and the groups.
std::vector<EditRow> BuildEditRows(const CContactInfo& record, int mode);

// The ring tone row's text: the tone's file name, or "默认" without one.
qzu::string RingToneName(const qzu::string& ringPath);

// The zone of a row kind that x (from the list's left edge) lies in; kNoZone
// for the header's right part and for rows without zones.
int EditRowZone(int kind, int x);

// Value rows carry a delete button: the zone it is in, or kNoZone.
int DeleteButtonZone(int kind);

inline DWORD EditRowData(int kind, int index) {
  return static_cast<DWORD>((kind & 0xFFFF) | ((index & 0xFFFF) << 16));
}
inline int EditRowKind(DWORD data) { return static_cast<int>(data & 0xFFFF); }
inline int EditRowIndex(DWORD data) { return static_cast<int>((data >> 16) & 0xFFFF); }
