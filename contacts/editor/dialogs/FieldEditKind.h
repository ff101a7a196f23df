// The contact fields that the editor's dialogs and pickers edit, one bit
// each. The same values are the kind argument of the quick operations that
// create a contact or add a value to one.
#pragma once

enum FIELD_EDIT_KIND {
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
