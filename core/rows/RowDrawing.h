// The drawing routines that every detail list shares: an image column of 80
// pixels at the left, texts from x = 90, an optional image or button area at
// the right, and a "pressed" look for the row or one of its parts.
//
// Each routine takes the row rectangle (in the list's device context) and the
// device context first. Several positions are absolute and assume rows 480
// pixels wide. Texts may be null or empty (nothing is drawn for them); images
// may be null or empty. A pressed part of -1 means nothing is pressed.
#pragma once

#include "platform/ToolkitContract.h"

// Text colours (0x00BBGGRR).
constexpr COLORREF kRowTextColour = 0x000000;         // main lines
constexpr COLORREF kRowSubTextColour = 0x958E82;      // second lines
constexpr COLORREF kRowPressedTextColour = 0x643200;  // texts of a pressed row or part
constexpr COLORREF kRowButtonTextColour = 0x6F5046;   // push-button labels
constexpr COLORREF kRowYearBarColour = 0xB3ACB4;      // year separators of the call history

// Font sizes (pixel heights).
constexpr int kRowSubTextSize = 20;
constexpr int kRowLabelSize = 24;
constexpr int kRowMainTextSize = 27;

// The button area is the rightmost 106 pixels of a row.
constexpr int kRowButtonAreaWidth = 106;
// The smallest height of a multi-line row.
constexpr int kMultiLineRowMinHeight = 82;

enum ROW_TEXT_ALIGN {
  ROW_TEXT_TOP = 0,      // one line at the top of the rectangle
  ROW_TEXT_VCENTER = 1,  // one line, vertically centred
  ROW_TEXT_CENTER = 2,   // one line, centred both ways
};

enum HEADER_ROW_STYLE {
  HEADER_ROW_DETAILS = 0,  // call and contact details
  HEADER_ROW_EDITOR = 1,   // the contact editor: frames with the photo badges
};

enum MULTI_LINE_ACTION {
  MULTI_LINE_DRAW = 0,
  MULTI_LINE_MEASURE = 1,  // only compute the row's height; the DC may be null
};

enum MULTI_LINE_RIGHT {
  MULTI_LINE_RIGHT_IMAGE = 0,   // right image ending at x = 465, text to right - 15
  MULTI_LINE_RIGHT_BUTTON = 1,  // right image in the button area, text to right - 106
};

// One line of text in the rectangle, ended with an ellipsis when too long.
void DrawRowText(HDC dc, LPCWSTR text, int left, int top, int right, int bottom, COLORREF colour, int size,
                 ROW_TEXT_ALIGN align);

// The photo header (186 high): the photo in its frame and up to four lines
// from x = 200. Without line 1 the other lines move 30 pixels up.
void DrawHeaderRow(const RECT& rc, HDC dc, ImagingHelper* photo, LPCWSTR name, LPCWSTR line4, LPCWSTR line2,
                   LPCWSTR line1, HEADER_ROW_STYLE style);

// An image, one vertically centred text and an optional right image.
void DrawCaptionRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* rightImage, LPCWSTR text,
                    BOOL pressed);

// An image, a label over a value, and an optional right image (82 high).
void DrawLabelValueRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* rightImage, LPCWSTR label,
                       LPCWSTR value, BOOL pressed);

// A label-value row with a button area; part 0 is the row, part 1 the button.
void DrawLabelValueButtonRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* buttonImage,
                             LPCWSTR label, LPCWSTR value, int pressedPart);

// The three-part phone row: part 0 the left image (it shows its own press),
// part 1 the texts, part 2 the button area.
void DrawNumberRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* buttonImage,
                   LPCWSTR firstLine, LPCWSTR secondLine, int pressedPart);

// One push button (secondText null) or two side by side, centred in
// the row; pressedButton 0 or 1 names the pressed one.
void DrawPushButtonRow(const RECT& rc, HDC dc, LPCWSTR firstText, LPCWSTR secondText, int pressedButton);

// A label over word-wrapped text; part 0 is the row, part 1 the button area.
// Measuring returns the row's height for the text: its wrapped height + 52,
// at least 82. Drawing returns the row's height as given.
int DrawMultiLineRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* rightImage, LPCWSTR label,
                     LPCWSTR text, int pressedPart, MULTI_LINE_ACTION action, MULTI_LINE_RIGHT right);
