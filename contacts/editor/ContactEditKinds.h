// The contact editor's modes and the row kinds of its field list (the edit
// kinds of its fields are FIELD_EDIT_KIND).
#pragma once

#include "contacts/editor/dialogs/FieldEditKind.h"

// The editor's modes.
enum CONTACT_EDIT_MODE {
  EDIT_MODE_NEW = 0,
  EDIT_MODE_EDIT = 1,
  EDIT_MODE_ADD_ITEM = 2,
};

// Rows of the field list. A row's data word holds the kind in its low 16
// bits and the entry's index in its array of the record in the high 16.
enum EDIT_ROW_KIND {
  EDIT_ROW_HEADER = 0,
  EDIT_ROW_PHONE = 1,
  EDIT_ROW_ADD_BUTTONS = 2,
  EDIT_ROW_RING = 3,
  EDIT_ROW_GROUPS = 4,
  EDIT_ROW_EMAIL = 5,
  EDIT_ROW_ADDRESS = 6,
  EDIT_ROW_QQ = 7,
  EDIT_ROW_MSN = 8,
  EDIT_ROW_WEB_PAGE = 9,
  EDIT_ROW_BIRTHDAY = 10,
  EDIT_ROW_NOTE = 11,
  // Not a field: the gap that closes where a deleted row was.
  EDIT_ROW_GAP = 12,
};

// A press outside every zone of a row.
constexpr int kNoZone = -1;
