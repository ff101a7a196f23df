// Placing and running the copy bubble over a held row of a details list, for
// the windows that offer "copy" on a long press.
#pragma once

#include "platform/ToolkitContract.h"

// Rows whose top lies closer than this to the list's top are scrolled down
// instead of getting the bubble (there is no room above them for it).
constexpr int kCopyBubbleThresholdCallLog = 55;
constexpr int kCopyBubbleThresholdContacts = 60;

// What became of a long press.
enum COPY_BUBBLE_RESULT {
  COPY_BUBBLE_SCROLLED = 0,   // the row was too close to the top: the list scrolled
  COPY_BUBBLE_COPIED = 1,     // the user tapped "copy"; the text is on the clipboard
  COPY_BUBBLE_DISMISSED = 2,  // the user tapped elsewhere
};

// Shows the bubble over row `row` of `list` (a control of `window`) and puts
// `text` on the clipboard when the user taps "copy". `copyMode` is the list's
// flag telling it to draw the row plainly while the bubble is open; it is
// set for that time and cleared afterwards. A bubble that could not be
// created counts as dismissed.
COPY_BUBBLE_RESULT RunCopyBubble(CQzWndEx& window, UiList& list, bool& copyMode, int row, LPCWSTR text,
                                 int threshold);
