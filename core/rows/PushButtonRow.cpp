#include "core/rows/RowDrawing.h"

namespace {

constexpr int kButtonHeight = 51;
constexpr int kSingleButtonWidth = 327;
constexpr int kPairButtonWidth = 220;
constexpr int kPairGap = 14;
constexpr int kPairWidth = 2 * kPairButtonWidth + kPairGap;

void DrawPushButton(HDC dc, int left, int top, int width, LPCWSTR text, bool pressed) {
  RECT face{left, top, left + width, top + kButtonHeight};
  QzDrawControl(dc, face, QZ_FACE_PUSHBUTTON, pressed);
  DrawRowText(dc, text, face.left, face.top, face.right, face.bottom, kRowButtonTextColour, kRowSubTextSize,
              ROW_TEXT_CENTER);
}

}  // namespace

void DrawPushButtonRow(const RECT& rc, HDC dc, LPCWSTR firstText, LPCWSTR secondText, int pressedButton) {
  const int width = rc.right - rc.left;
  const int top = rc.top + (rc.bottom - rc.top - kButtonHeight) / 2;
  if (!secondText) {
    DrawPushButton(dc, rc.left + (width - kSingleButtonWidth) / 2, top, kSingleButtonWidth, firstText,
                   pressedButton == 0);
    return;
  }
  const int left = rc.left + (width - kPairWidth) / 2;
  DrawPushButton(dc, left, top, kPairButtonWidth, firstText, pressedButton == 0);
  DrawPushButton(dc, left + kPairButtonWidth + kPairGap, top, kPairButtonWidth, secondText, pressedButton == 1);
}
