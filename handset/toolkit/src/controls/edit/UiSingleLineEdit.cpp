#include "qzfc/UiSingleLineEdit.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "qzfc/FontHelper.h"
#include "qzfc/QzDraw.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/Sip.h"
#include "qzfc/UiScrollWin.h"

namespace {
constexpr COLORREF kTipColor = RGB(0x99, 0x99, 0x99);
constexpr COLORREF kBackground = RGB(0xFF, 0xFF, 0xFF);
constexpr COLORREF kFrame = RGB(0xC8, 0xC8, 0xC8);
constexpr COLORREF kCaretColor = RGB(0x00, 0x64, 0xC8);
constexpr int kCaretWidth = 2;
constexpr int kShrinkStep = 2;

void Fill(HDC hdc, const RECT& r, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(hdc, &r, brush);
  DeleteObject(brush);
}
}  // namespace

UiSingleLineEdit::UiSingleLineEdit() : m_buffer(false) {}
UiSingleLineEdit::UiSingleLineEdit(bool multiLine) : m_buffer(multiLine) {}

UiSingleLineEdit::~UiSingleLineEdit() { qzfc::Sip::Instance().Forget(this); }

LPCWSTR UiSingleLineEdit::GetUiClassName() const { return L"UiSingleLineEdit"; }

void UiSingleLineEdit::SetText(LPCWSTR text) {
  m_buffer.SetText(text ? text : L"");
  UiWin::SetText(m_buffer.Text().c_str());
}

void UiSingleLineEdit::SetCursePos(int pos) {
  m_buffer.SetCaret(pos);
  if (m_updateDisplay) Invalidate();
}

void UiSingleLineEdit::SetMaxChars(int max) {
  m_buffer.SetMaxChars(max);
  UiWin::SetText(m_buffer.Text().c_str());
}

void UiSingleLineEdit::SetTip(LPCWSTR tip) { m_tip = tip ? tip : L""; }

void UiSingleLineEdit::SetInvalidWidth(int left, int right) {
  m_marginLeft = std::max(0, left);
  m_marginRight = std::max(0, right);
}

void UiSingleLineEdit::SetSipMode(DWORD mode, DWORD flags) {
  m_sipMode = mode;
  m_sipFlags = flags;
  if (HasFocus()) qzfc::Sip::Instance().ShowFor(this, m_sipMode, [this] { NotifyChange(QZ_EN_SIP, 0); });
}

void UiSingleLineEdit::NotifyChange(UINT code, UINT extra) {
  if (CQzWndEx* owner = GetParentWnd())
    owner->PostMessageW(QZ_WM_EDIT_CHANGE, static_cast<WPARAM>(GetID()), MAKELPARAM(code, extra));
}

void UiSingleLineEdit::Redraw() {
  if (!m_updateDisplay) return;
  Invalidate();
  Update();
}

LRESULT UiSingleLineEdit::OnChar(WPARAM wch, LPARAM) {
  const wchar_t ch = static_cast<wchar_t>(wch);
  UINT code = 0;
  switch (ch) {
    case 8:
      if (m_buffer.Backspace()) code = QZ_EN_DELETE;
      break;
    case 13:
    case 10:
      NotifyChange(QZ_EN_CHAR, ch);  // the text is one line: Enter only reports
      if (m_switchFocus) SwitchFocus();
      return 0;
    case 22:
      if (m_buffer.Paste()) code = QZ_EN_PASTE;
      break;
    case 27:
      if (m_buffer.Clear()) code = QZ_EN_CLEAR;
      break;
    default:
      if (m_buffer.Insert(ch)) code = QZ_EN_CHAR;
      break;
  }
  if (code == 0) return 0;
  UiWin::SetText(m_buffer.Text().c_str());
  Redraw();
  NotifyChange(code, code == QZ_EN_CHAR ? ch : 0);
  return 0;
}

void UiSingleLineEdit::SwitchFocus() {
  CQzWndEx* owner = GetParentWnd();
  if (!owner) return;
  // The window's fields in order, those on a scrolling page (not in the
  // window's control list) where the page stands.
  std::vector<UiSingleLineEdit*> fields;
  auto collect = [&fields](auto& self, const std::vector<UiWin*>& wins) -> void {
    for (UiWin* ui : wins) {
      if (auto* page = dynamic_cast<UiScrollWin*>(ui)) {
        if (page->IsVisible()) self(self, page->GetChildren());
        continue;
      }
      auto* field = dynamic_cast<UiSingleLineEdit*>(ui);
      if (field && field->m_switchFocus && field->IsVisible() && field->IsEnabled()) fields.push_back(field);
    }
  };
  collect(collect, owner->GetUiWins());
  auto self = std::find(fields.begin(), fields.end(), this);
  if (self == fields.end() || fields.size() < 2) return;
  auto next = std::next(self) == fields.end() ? fields.begin() : std::next(self);
  (*next)->SetFocus(TRUE);
}

LRESULT UiSingleLineEdit::OnLButtonDown(UINT flags, int x, int y) {
  UiWin::OnLButtonDown(flags, x, y);
  if (!HasFocus()) SetFocus(TRUE);
  return 0;
}

LRESULT UiSingleLineEdit::OnLButtonUp(UINT flags, int x, int y) {
  const bool tap = IsLButtonDown() && !IsMouseMoved() && HitTest(x, y);
  UiWin::OnLButtonUp(flags, x, y);
  if (tap) {
    m_buffer.SetCaret(CaretFromPoint(x, y));
    Redraw();
  }
  return 0;
}

int UiSingleLineEdit::CaretFromPoint(int x, int) {
  const std::wstring& text = m_buffer.Text();
  const int size = GetDisplayTextSize();
  HDC dc = CreateCompatibleDC(nullptr);
  const int left = TextLeft(dc, TextArea(GetWinRect()), size);
  int best = 0, bestDistance = std::abs(x - left);
  for (int pos = 1; pos <= static_cast<int>(text.size()); ++pos) {
    int distance = std::abs(x - left - TextWidth(dc, text.substr(0, static_cast<size_t>(pos)), size));
    if (distance < bestDistance) {
      best = pos;
      bestDistance = distance;
    }
  }
  DeleteDC(dc);
  return best;
}

void UiSingleLineEdit::OnSetFocus() {
  Redraw();
  // Put away with its own key, the keyboard is reported with extra 0.
  if (m_sipMode != 0 && qzfc::Sip::Instance().ShowFor(this, m_sipMode, [this] { NotifyChange(QZ_EN_SIP, 0); }))
    NotifyChange(QZ_EN_SIP, 1);
}

void UiSingleLineEdit::OnKillFocus() {
  qzfc::Sip::Instance().ReleaseFor(this);
  Redraw();
}

int UiSingleLineEdit::TextWidth(HDC hdc, const std::wstring& text, int size) const {
  SelectObject(hdc, FontHelper::GetFont(size, 400, 0, 0, 0, 0));
  SIZE sz{};
  GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &sz);
  return sz.cx;
}

int UiSingleLineEdit::GetDisplayTextSize() const {
  if (!m_autoFont || m_maxTextSize <= 0) return GetTextSize();
  const int avail = GetWidth() - m_marginLeft - m_marginRight;
  const int minSize = m_minTextSize > 0 ? std::min(m_minTextSize, m_maxTextSize) : m_maxTextSize;
  HDC dc = CreateCompatibleDC(nullptr);
  int size = m_maxTextSize;
  while (size > minSize && TextWidth(dc, m_buffer.Text(), size) > avail) size = std::max(minSize, size - kShrinkStep);
  DeleteDC(dc);
  return size;
}

RECT UiSingleLineEdit::TextArea(const RECT& rcWin) const {
  return RECT{rcWin.left + m_marginLeft, rcWin.top, rcWin.right - m_marginRight, rcWin.bottom};
}

void UiSingleLineEdit::PaintBackground(HDC hdc, const RECT& rcWin) const {
  if (m_noBackground) return;
  Fill(hdc, rcWin, kBackground);
  RECT line{rcWin.left, rcWin.bottom - 1, rcWin.right, rcWin.bottom};
  Fill(hdc, line, kFrame);
}

int UiSingleLineEdit::TextLeft(HDC hdc, const RECT& area, int size) const {
  const int width = TextWidth(hdc, m_buffer.Text(), size);
  const int avail = area.right - area.left;
  // Text wider than the field keeps its end (where typing happens) in view.
  if (width > avail) return area.right - width;
  return m_center ? area.left + (avail - width) / 2 : area.left;
}

void UiSingleLineEdit::PaintWin(HDC hdc, const RECT& rcWin, const RECT&) {
  PaintBackground(hdc, rcWin);
  RECT area = TextArea(rcWin);
  const int size = GetDisplayTextSize();
  const std::wstring& text = m_buffer.Text();
  SetBkMode(hdc, TRANSPARENT);
  const int x = TextLeft(hdc, area, size);
  const int width = TextWidth(hdc, text, size);  // selects the font too

  if (text.empty() && !m_tip.empty()) {
    ::SetTextColor(hdc, kTipColor);
    QzDrawText(hdc, m_tip.c_str(), area, (m_center ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  } else {
    ::SetTextColor(hdc, GetTextColor());
    RECT r{x, area.top, x + width + 1, area.bottom};
    QzDrawText(hdc, text.c_str(), r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOCLIP);
  }
  if (HasFocus()) {
    const int caretX = x + TextWidth(hdc, text.substr(0, m_buffer.Caret()), size);
    const int h = size + 4;
    const int top = (rcWin.top + rcWin.bottom - h) / 2;
    RECT caret{caretX, top, caretX + kCaretWidth, top + h};
    Fill(hdc, caret, kCaretColor);
  }
}
