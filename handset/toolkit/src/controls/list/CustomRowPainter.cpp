#include "controls/list/CustomRowPainter.h"

#include <cairo.h>

#include <algorithm>

#include "controls/list/RowText.h"
#include "qzfc/IItemCollection.h"
#include "qzfc/ImagingHelper.h"
#include "qzfc/ItemAttribute.h"
#include "qzfc/QzDraw.h"
#include "qzfc/QzResources.h"

namespace qzfc {
namespace {

constexpr COLORREF kGreyBg = 0xDCDCDC;
constexpr COLORREF kSelectedBg = 0xFAEEE2;  // a pale tint of the pressed-text blue
constexpr COLORREF kDisabledText = 0xB4B4B4;
constexpr int kImageColumn = 80;
constexpr int kTextLeft = 90;
constexpr int kSideMargin = 15;
constexpr int kSmallTextColumn = 140;
constexpr UINT kUncheckedImage = 110;
constexpr UINT kCheckedImage = 111;

void Fill(HDC hdc, const RECT& rc, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &rc, brush);
  DeleteObject(brush);
}

void DrawImage(cairo_t* cr, ImagingHelper* image, const RECT& rc) {
  if (image && image->IsLoaded()) image->DrawOnCairo(cr, &rc, FALSE, FALSE);
}

// The toolkit's check box pictures, centred in the row's left column.
void PaintCheckBox(cairo_t* cr, const RECT& column, bool checked) {
  HMODULE module = GetQzResV2ModuleHandle();
  if (!module) return;
  DrawImage(cr, ImagingHelper::GetImageObject(module, checked ? kCheckedImage : kUncheckedImage, TRUE), column);
}

// A red band with a white waste bin centred in it.
void PaintDeleteButton(cairo_t* cr, const RECT& rc) {
  cairo_save(cr);
  cairo_rectangle(cr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top);
  cairo_set_source_rgb(cr, 0.87, 0.24, 0.21);
  cairo_fill(cr);
  if (rc.right - rc.left >= 40) {
    double cx = (rc.left + rc.right) / 2.0;
    double cy = (rc.top + rc.bottom) / 2.0;
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 2.5);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_move_to(cr, cx - 12, cy - 9);
    cairo_line_to(cr, cx + 12, cy - 9);
    cairo_move_to(cr, cx - 4, cy - 9);
    cairo_line_to(cr, cx - 4, cy - 13);
    cairo_line_to(cr, cx + 4, cy - 13);
    cairo_line_to(cr, cx + 4, cy - 9);
    cairo_move_to(cr, cx - 9, cy - 9);
    cairo_line_to(cr, cx - 7, cy + 14);
    cairo_line_to(cr, cx + 7, cy + 14);
    cairo_line_to(cr, cx + 9, cy - 9);
    cairo_move_to(cr, cx - 3, cy - 4);
    cairo_line_to(cr, cx - 2.5, cy + 9);
    cairo_move_to(cr, cx + 3, cy - 4);
    cairo_line_to(cr, cx + 2.5, cy + 9);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

}  // namespace

void PaintCustomRow(HDC hdc, IItemCollection& rows, int index, const RECT& rc, const ItemAttribute& attr,
                    const RowLook& look) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  bool pressed = look.pressed && attr.pressedLook;
  if (rows.GetItemBgType(index) == ITEM_BG_GREY) Fill(hdc, rc, kGreyBg);
  if (look.selected) Fill(hdc, RECT{rc.left, rc.top, rc.right, rc.bottom - 1}, kSelectedBg);
  if (pressed) QzDrawSelectedBg_NoLine(hdc, RECT{rc.left, rc.top, rc.right, rc.bottom - 1});

  RECT left{rc.left, rc.top, rc.left + kImageColumn, rc.bottom};
  if (look.checkBox) {
    PaintCheckBox(cr, left, look.checked);
  } else {
    ImagingHelper* image = pressed ? rows.GetItemImagePressed(index) : nullptr;
    if (!image || !image->IsLoaded()) image = rows.GetItemImage(index);
    DrawImage(cr, image, left);
  }

  int textRight = rc.right - kSideMargin;
  ImagingHelper* right = pressed ? rows.GetItemRightImagePressed(index) : nullptr;
  if (!right || !right->IsLoaded()) right = rows.GetItemRightImage(index);
  if (right && right->IsLoaded()) {
    RECT rcRight{textRight - right->GetWidth(), rc.top, textRight, rc.bottom};
    DrawImage(cr, right, rcRight);
    textRight = rcRight.left - 10;
  }

  CQzStringW text3 = rows.GetItemText3(index);
  CQzStringW text4 = rows.GetItemText4(index);
  if (!text3.IsEmpty() || !text4.IsEmpty()) {
    TextStyle small;
    small.size = attr.smallTextSize;
    small.color = look.disabled ? kDisabledText : pressed ? attr.textPressedColor : attr.smallTextColor;
    small.format = DT_SINGLELINE | DT_VCENTER | DT_RIGHT | DT_END_ELLIPSIS;
    int smallLeft = textRight - kSmallTextColumn;
    DrawRowText(hdc, text3, RECT{smallLeft, rc.top + 8, textRight, rc.top + 40}, small);
    DrawRowText(hdc, text4, RECT{smallLeft, rc.bottom - 40, textRight, rc.bottom - 8}, small);
    textRight = smallLeft - 10;
  }

  CQzStringW text = rows.GetItemText(index);
  CQzStringW sub = rows.GetItemSubText(index);
  TextStyle main;
  main.size = attr.textSize;
  main.color = look.disabled ? kDisabledText : pressed ? attr.textPressedColor : attr.textColor;
  RECT rcMain{rc.left + kTextLeft, rc.top, textRight, rc.bottom};
  if (!sub.IsEmpty()) rcMain = RECT{rc.left + kTextLeft, rc.top + 5, textRight, rc.bottom - 35};
  DrawRowText(hdc, text, rcMain, main);

  TextStyle desc;
  desc.size = attr.descSize;
  desc.weight = attr.descWeight;
  desc.italic = attr.descItalic;
  desc.underline = attr.descUnderline;
  desc.color = look.disabled ? kDisabledText : pressed ? attr.textPressedColor : attr.descColor;
  desc.format = attr.descFormat;
  int descRight = attr.descRight > 0 ? std::min(rc.left + attr.descRight, textRight) : textRight;
  DrawRowText(hdc, sub, RECT{rc.left + attr.descLeft, rc.top + attr.descTop, descRight, rc.bottom - attr.descBottom},
              desc);

  if (look.deleteWidth > 0) PaintDeleteButton(cr, RECT{rc.right - look.deleteWidth, rc.top, rc.right, rc.bottom});
}

}  // namespace qzfc
