// The contact photo menu: take a photo, choose an existing one, or delete the
// one the contact has. The photo comes from the handset's camera capture or
// picture picker component.
#pragma once

#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

// Runs the menu over `owner` and applies the choice to the record and, for a
// stored contact, to the store. True when the photo changed. A component
// that cannot be created, or that gives no bytes, changes nothing.
bool RunPhotoMenu(HWND owner, CContactInfo& record);

// Menu command ids.
enum PHOTO_MENU_COMMAND {
  PHOTO_TAKE = 100,
  PHOTO_CHOOSE = 101,
  PHOTO_DELETE = 102,
};
