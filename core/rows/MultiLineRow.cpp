#include <algorithm>

#include "core/rows/RowDrawing.h"
#include "core/rows/RowParts.h"

namespace {

// Label and text start at the image column's edge, not at x = 90.
constexpr int kTextLeft = 80;
// Room above the wrapped text (the label) and below it.
constexpr int kLabelTop = 10;
constexpr int kTextTop = 42;
constexpr int kTextBottomMargin = 10;

int TextRight(const RECT& rc, MULTI_LINE_RIGHT right) {
  return right == MULTI_LINE_RIGHT_BUTTON ? rc.right - kRowButtonAreaWidth : rc.right - 15;
}

int MeasureRow(const RECT& rc, LPCWSTR text, MULTI_LINE_RIGHT right) {
  if (!text || !*text) return kMultiLineRowMinHeight;
  MemoryDC dc;
  HGDIOBJ oldFont = SelectObject(dc, FontHelper::GetFont(kRowSubTextSize, FW_NORMAL, 0, 0, 0, 0));
  RECT box{kTextLeft, 0, TextRight(rc, right), 0};
  int height = QzDrawText(dc, text, &box, rows::kFormatWrapMeasure);
  if (oldFont) SelectObject(dc, oldFont);
  return std::max(kMultiLineRowMinHeight, height + kTextTop + kTextBottomMargin);
}

}  // namespace

int DrawMultiLineRow(const RECT& rc, HDC dc, ImagingHelper* leftImage, ImagingHelper* rightImage, LPCWSTR label,
                     LPCWSTR text, int pressedPart, MULTI_LINE_ACTION action, MULTI_LINE_RIGHT right) {
  if (action == MULTI_LINE_MEASURE) return MeasureRow(rc, text, right);

  const bool button = right == MULTI_LINE_RIGHT_BUTTON;
  const bool rowPressed = pressedPart == 0;
  const bool buttonPressed = button && pressedPart == 1;
  if (rowPressed) rows::DrawPressedBackground(dc, rc.left, rc.top, rc.right, rc.bottom);
  if (buttonPressed) {
    RECT area = rows::ButtonArea(rc);
    rows::DrawPressedBackground(dc, area.left, rc.top, area.right, rc.bottom);
  }
  rows::DrawLeftImage(dc, leftImage, rc);
  if (button) {
    rows::AreaPress press = rowPressed      ? rows::AreaPress::Main
                            : buttonPressed ? rows::AreaPress::Button
                                            : rows::AreaPress::None;
    rows::DrawButtonArea(dc, rightImage, rc, press);
  } else {
    rows::DrawRightImage(dc, rightImage, rc);
  }

  const int textRight = TextRight(rc, right);
  DrawRowText(dc, label, kTextLeft, rc.top + kLabelTop, textRight, rc.top + kTextTop,
              rowPressed ? kRowPressedTextColour : kRowTextColour, kRowLabelSize, ROW_TEXT_TOP);
  rows::DrawFormattedText(dc, text, RECT{kTextLeft, rc.top + kTextTop, textRight, rc.bottom - kTextBottomMargin},
                          rowPressed ? kRowPressedTextColour : kRowSubTextColour, kRowSubTextSize,
                          rows::kFormatWrap);
  return rc.bottom - rc.top;
}
