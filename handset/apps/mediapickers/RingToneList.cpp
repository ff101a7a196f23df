#include "RingToneList.h"

#include <cmath>

#include "AppTexts.h"
#include "ce/gdi.h"
#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"

namespace mediapickers {
namespace {

const wchar_t* OriginText(RingToneChoice::Origin origin) {
  switch (origin) {
    case RingToneChoice::Origin::User: return telhub::Text(L"我的铃声", L"My tones");
    case RingToneChoice::Origin::System: return telhub::Text(L"系统铃声", L"Phone tones");
    case RingToneChoice::Origin::Current: return telhub::Text(L"当前铃声", L"Current tone");
    case RingToneChoice::Origin::Default: break;
  }
  return telhub::Text(L"跟随系统设置", L"As set for the phone");
}

void DrawLine(HDC hdc, const wchar_t* text, RECT rect, int size, COLORREF colour) {
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, colour);
  HGDIOBJ old = SelectObject(hdc, FontHelper::GetFont(size, FW_NORMAL, 0, 0, 0, 0));
  QzDrawText(hdc, text, &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  if (old) SelectObject(hdc, old);
}

}  // namespace

void RingToneList::SetChoices(const RingToneChoices* choices) {
  choices_ = choices;
  RemoveAllItems();
  if (!choices_) return;
  for (int row = 0; row < choices_->Count(); ++row) AddItem(choices_->At(row).name.c_str(), static_cast<DWORD>(row));
}

void RingToneList::DrawItem(HDC hdc, int index, const RECT& rc) {
  if (!choices_ || index < 0 || index >= choices_->Count()) return;
  if (index == GetPressedItem() && IsLButtonDown() && !IsDraggingV()) QzDrawSelectedBg_NoLine(hdc, rc);
  const RingToneChoice& choice = choices_->At(index);
  const wchar_t* name = choice.origin == RingToneChoice::Origin::Default ? telhub::Text(L"默认铃声", L"Default tone")
                                                                         : choice.name.c_str();
  DrawLine(hdc, name, RECT{rc.left + 24, rc.top + 8, rc.right - 90, rc.top + 48}, 28, RGB(0x20, 0x20, 0x20));
  DrawLine(hdc, OriginText(choice.origin), RECT{rc.left + 24, rc.top + 48, rc.right - 90, rc.bottom - 6}, 20,
           RGB(0x88, 0x88, 0x88));

  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  const double cx = rc.right - 44, cy = (rc.top + rc.bottom) / 2.0;
  cairo_save(cr);
  cairo_new_path(cr);
  cairo_arc(cr, cx, cy, 15, 0, 2 * M_PI);
  cairo_set_line_width(cr, 3);
  cairo_set_source_rgb(cr, 0.55, 0.55, 0.55);
  cairo_stroke(cr);
  if (index == choices_->Marked()) {
    cairo_arc(cr, cx, cy, 9, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, 0.13, 0.55, 0.25);
    cairo_fill(cr);
  }
  cairo_restore(cr);
}

}  // namespace mediapickers
