// What the contact editor edits: the edit kinds (one bit value per field that
// a dialog or picker edits; also the kind argument of the quick contact
// operations) and the row kinds of its field list.
#pragma once

enum CONTACT_EDIT_KIND {
  EDIT_KIND_NONE = 0,
  EDIT_KIND_PHOTO = 16,
  EDIT_KIND_BIRTHDAY = 64,
  EDIT_KIND_NOTE = 128,
  EDIT_KIND_PHONE = 256,
  EDIT_KIND_EMAIL = 512,
  EDIT_KIND_WEB_PAGE = 1024,
  EDIT_KIND_MSN = 2048,
  EDIT_KIND_QQ = 4096,
  EDIT_KIND_ADDRESS = 8192,
  EDIT_KIND_NAME = 16384,
};

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
