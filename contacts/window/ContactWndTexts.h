// The contacts book's fixed texts and numbers: string ids and the tool
// bar's two text buttons in each mode.
#pragma once

#include "contacts/window/CContactWnd.h"

namespace contact_wnd {

constexpr UINT kStrContacts = 602;
constexpr UINT kStrCancel = 611;
constexpr UINT kStrContactInfo = 612;
constexpr UINT kStrEdit = 613;
constexpr UINT kStrUngrouped = 623;
constexpr UINT kStrBack = 626;
constexpr UINT kStrAll = 631;
constexpr UINT kStrSendMessage = 643;
constexpr UINT kStrGroups = 691;
constexpr UINT kStrNew = 697;
constexpr UINT kStrGroupEdit = 700;
constexpr UINT kStrKeyboard = 764;
constexpr UINT kStrSendEmail = 855;
constexpr UINT kStrAddressBook = 860;

// Below this many rows the list has no alphabet bar and no scroll bar.
constexpr int kAlphabetBarMinRows = 11;

// The slides of AnimateTransition: into a detail view, and back.
constexpr int kSlideForward = 12;
constexpr int kSlideBack = 11;

// Items of the group menu.
constexpr UINT kMenuGroupMessage = 100;
constexpr UINT kMenuGroupEmail = 2;
constexpr UINT kMenuGroupRename = 3;

// String ids of the left and right text buttons; 0 switches a button off.
struct ToolBarTexts {
  UINT left;
  UINT right;
};

constexpr ToolBarTexts ToolBarTextsOf(CONTACT_WINDOW_MODE mode) {
  switch (mode) {
    case MODE_SEARCH:
      return {kStrCancel, kStrKeyboard};
    case MODE_DETAILS:
      return {kStrBack, kStrEdit};
    case MODE_GROUP:
      return {kStrNew, kStrAll};
    case MODE_GROUP_MEMBER:
      return {kStrBack, kStrAll};
    case MODE_GROUP_EDIT:
      return {kStrBack, 0};
    case MODE_NORMAL:
    default:
      return {kStrNew, kStrGroups};
  }
}

}  // namespace contact_wnd
