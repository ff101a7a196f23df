// The 82-pixel rows: caption, label and value, label and value with a
// button, and the three-part phone number row.
#include "core/rows/RowDrawing.h"
#include "core/rows/RowParts.h"

using rows::AreaPress;

namespace {

// A label over a value, ending at `right`.
void DrawLabelAndValue(HDC dc, const RECT& rc, int right, LPCWSTR label, LPCWSTR value, bool pressed) {
  DrawRowText(dc, label, rows::kTextLeft, rc.top + 5, right, rc.bottom - 35,
              pressed ? kRowPressedTextColour : kRowTextColour, kRowMainTextSize, ROW_TEXT_VCENTER);
  DrawRowText(dc, value, rows::kTextLeft, rc.top + 45, right, rc.bottom - 5,
              pressed ? kRowPressedTextColour : kRowSubTextColour, kRowSubTextSize, ROW_TEXT_TOP);
}

// Background and images of a row without a button area.
void DrawPlainRowFrame(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* rightImage, bool pressed) {
  if (pressed) rows::DrawPressedBackground(dc, rc.left, rc.top, rc.right, rc.bottom);
  rows::DrawLeftImage(dc, leftImage, rc);
  rows::DrawRightImage(dc, rightImage, rc);
}

// Background, left image and button area of a row with one. `rowPressed`
// paints the whole row, `buttonPressed` only the button area.
void DrawButtonRowFrame(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* buttonImage,
                        bool rowPressed, bool buttonPressed) {
  RECT area = rows::ButtonArea(rc);
  if (rowPressed) rows::DrawPressedBackground(dc, rc.left, rc.top, rc.right, rc.bottom);
  if (buttonPressed) rows::DrawPressedBackground(dc, area.left, rc.top, area.right, rc.bottom);
  rows::DrawLeftImage(dc, leftImage, rc);
  AreaPress press = rowPressed ? AreaPress::Main : buttonPressed ? AreaPress::Button : AreaPress::None;
  rows::DrawButtonArea(dc, buttonImage, rc, press);
}

}  // namespace

void DrawCaptionRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* rightImage, LPCWSTR text,
                    BOOL pressed) {
  DrawPlainRowFrame(rc, dc, leftImage, rightImage, pressed);
  DrawRowText(dc, text, rows::kTextLeft, rc.top, rc.right - 10, rc.bottom,
              pressed ? kRowPressedTextColour : kRowTextColour, kRowMainTextSize, ROW_TEXT_VCENTER);
}

void DrawLabelValueRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* rightImage, LPCWSTR label,
                       LPCWSTR value, BOOL pressed) {
  DrawPlainRowFrame(rc, dc, leftImage, rightImage, pressed);
  DrawLabelAndValue(dc, rc, rc.right - 10, label, value, pressed);
}

void DrawLabelValueButtonRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* buttonImage,
                             LPCWSTR label, LPCWSTR value, int pressedPart) {
  DrawButtonRowFrame(rc, dc, leftImage, buttonImage, pressedPart == 0, pressedPart == 1);
  DrawLabelAndValue(dc, rc, rc.right - kRowButtonAreaWidth - 10, label, value, pressedPart == 0);
}

void DrawNumberRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* buttonImage,
                   LPCWSTR firstLine, LPCWSTR secondLine, int pressedPart) {
  // A press on the left image (part 0) shows through the image the list picks.
  DrawButtonRowFrame(rc, dc, leftImage, buttonImage, pressedPart == 1, pressedPart == 2);
  DrawLabelAndValue(dc, rc, rc.right - kRowButtonAreaWidth - 10, firstLine, secondLine, pressedPart == 1);
}
