#include "DemoWnd.h"

#include <cstring>

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"

namespace qzfc::demo {
namespace {

// A round avatar with a person's outline.
constexpr char kAvatarSvg[] =
    "<svg xmlns='http://www.w3.org/2000/svg' width='56' height='56' viewBox='0 0 56 56'>"
    "<circle cx='28' cy='28' r='27' fill='#4A90D9'/>"
    "<circle cx='28' cy='22' r='10' fill='#FFFFFF'/>"
    "<path d='M10 48 C14 36 42 36 46 48 Z' fill='#FFFFFF'/></svg>";

const wchar_t* const kNames[] = {L"Anna Berg",   L"张伟",        L"Carlos Díaz", L"李娜",
                                 L"Eva Novak",   L"王芳",        L"Gustav Lind", L"Hannah Ito",
                                 L"Ingrid Sørensen-Vasquez de la Fuente"};
const wchar_t* const kNumbers[] = {L"138 0013 8000", L"+86 10 6552 9988", L"139 1234 5678",
                                   L"010-8888 6666", L"+420 602 123 456", L"186 0000 1111",
                                   L"+46 70 123 45 67", L"090-1234-5678", L"+45 20 12 34 56"};

constexpr COLORREF kName = RGB(0, 0, 0);
constexpr COLORREF kNumber = RGB(0x82, 0x8E, 0x95);
constexpr COLORREF kPressedText = RGB(0x00, 0x32, 0x64);

}  // namespace

DemoRow::DemoRow(std::wstring name, std::wstring number, ImagingHelper* avatar)
    : name_(std::move(name)), number_(std::move(number)), avatar_(avatar) {}

void DemoRow::PaintWin(HDC hdc, const RECT& rc, const RECT&) {
  if (pressed_) QzDrawSelectedBg_NoLine(hdc, RECT{rc.left, rc.top, rc.right, rc.bottom - 1});
  RECT pic{rc.left + 12, rc.top + 7, rc.left + 68, rc.top + 63};
  if (avatar_) avatar_->DrawOnCairo(CeGetCairo(hdc), &pic, TRUE, FALSE);
  SetBkMode(hdc, TRANSPARENT);
  HGDIOBJ old = SelectObject(hdc, FontHelper::GetFont(27, 400, 0, 0, 0, 0));
  ::SetTextColor(hdc, pressed_ ? kPressedText : kName);
  QzDrawText(hdc, name_.c_str(), RECT{rc.left + 84, rc.top + 4, rc.right - 16, rc.top + 38}, 0xA024);
  SelectObject(hdc, FontHelper::GetFont(20, 400, 0, 0, 0, 0));
  ::SetTextColor(hdc, pressed_ ? kPressedText : kNumber);
  QzDrawText(hdc, number_.c_str(), RECT{rc.left + 84, rc.top + 40, rc.right - 16, rc.bottom - 4}, 0xA020);
  SelectObject(hdc, old);
  QzDrawGridLine(hdc, rc.left, rc.bottom - 1, rc.right, rc.bottom - 1, QZ_GRIDLINE_NORMAL);
}

LRESULT DemoRow::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  pressed_ = true;
  Invalidate();
  return 0;
}

LRESULT DemoRow::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (pressed_ && IsMouseMoved()) {
    pressed_ = false;
    Invalidate();
  }
  return 0;
}

LRESULT DemoRow::OnLButtonUp(UINT flags, int x, int y) {
  bool tapped = pressed_ && HitTest(x, y);
  UiWin::OnLButtonUp(flags, x, y);
  pressed_ = false;
  Invalidate();
  if (tapped) PostCommandMessage(GetID(), 0, MAKELPARAM(x, y));
  return 0;
}

void DemoButton::PaintWin(HDC hdc, const RECT& rc, const RECT&) {
  QzDrawControl(hdc, rc, QZ_FACE_PUSHBUTTON, pressed_);
  SetBkMode(hdc, TRANSPARENT);
  HGDIOBJ old = SelectObject(hdc, FontHelper::GetFont(GetTextSize(), 400, 0, 0, 0, 0));
  ::SetTextColor(hdc, GetTextColor());
  QzDrawText(hdc, GetText(), rc, 0xA025);
  SelectObject(hdc, old);
}

LRESULT DemoButton::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  pressed_ = true;
  Invalidate();
  return 0;
}

LRESULT DemoButton::OnLButtonUp(UINT flags, int x, int y) {
  bool tapped = pressed_ && HitTest(x, y) && !IsMouseMoved();
  UiWin::OnLButtonUp(flags, x, y);
  pressed_ = false;
  Invalidate();
  if (tapped) PostCommandMessage(GetID(), 0, 0);
  return 0;
}

DemoWnd::DemoWnd() {
  avatar_.LoadSvg(kAvatarSvg, static_cast<UINT>(std::strlen(kAvatarSvg)));
  for (int i = 0; i < kRows; ++i) rows_.push_back(std::make_unique<DemoRow>(kNames[i], kNumbers[i], &avatar_));
}

DemoWnd::~DemoWnd() = default;

BOOL DemoWnd::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  SetWindowText(L"Toolkit demo");
  for (int i = 0; i < kRows; ++i) {
    DemoRow& row = *rows_[i];
    row.SetID(i + 1);
    row.SetPos(0, i * kRowHeight, GetWidth(), kRowHeight);
    row.EnableNotifyMessage(TRUE);
    AddUiWin(&row);
  }
  clear_.SetID(kButtonId);
  clear_.SetText(L"Clear selection");
  clear_.SetTextSize(20);
  clear_.SetTextColor(RGB(0x46, 0x50, 0x6F));
  clear_.SetPos((GetWidth() - 220) / 2, GetHeight() - 61, 220, 51);
  clear_.EnableNotifyMessage(TRUE);
  AddUiWin(&clear_);
  return TRUE;
}

LRESULT DemoWnd::OnQzCommand(WPARAM wParam, LPARAM) {
  ++commands_;
  int id = LOWORD(wParam);
  selected_ = id == kButtonId ? -1 : id - 1;
  RECT status{0, kRows * kRowHeight, GetWidth(), GetHeight() - 70};
  Invalidate(&status);
  return 0;
}

void DemoWnd::PaintWin(HDC hdc, const RECT& rcUpdate) {
  CQzWndEx::PaintWin(hdc, rcUpdate);
  std::wstring status = selected_ < 0 ? L"Tap a row" : std::wstring(L"Selected: ") + kNames[selected_];
  SetBkMode(hdc, TRANSPARENT);
  HGDIOBJ old = SelectObject(hdc, FontHelper::GetFont(20, 400, 0, 0, 0, 0));
  ::SetTextColor(hdc, kNumber);
  QzDrawText(hdc, status.c_str(), RECT{16, kRows * kRowHeight, GetWidth() - 16, GetHeight() - 70}, 0xA025);
  SelectObject(hdc, old);
}

}  // namespace qzfc::demo
