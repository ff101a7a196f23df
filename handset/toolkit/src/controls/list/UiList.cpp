#include "qzfc/UiList.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>

#include "controls/list/ListScroller.h"
#include "controls/list/RowText.h"
#include "controls/list/ScrollFrames.h"
#include "qzfc/Clock.h"
#include "qzfc/QzDraw.h"
#include "qzfc/QzWndEx.h"

using qzfc::Clock;
using qzfc::ListScroller;
using qzfc::ScrollFrames;

namespace {

constexpr int kTextColumn = 90;

}  // namespace

UiList::UiList()
    : m_scroller(std::make_unique<ListScroller>()),
      m_frames(std::make_unique<ScrollFrames>(*m_scroller, [this] { Invalidate(); })) {}

UiList::~UiList() = default;

LPCWSTR UiList::GetUiClassName() const { return L"UiList"; }

// ---- rows ----

int UiList::AddItem(LPCWSTR text, DWORD data) {
  m_items.push_back(ListItem{text ? text : L"", data});
  return static_cast<int>(m_items.size()) - 1;
}

int UiList::InsertItem(int index, LPCWSTR text, DWORD data) {
  if (index < 0 || index > static_cast<int>(m_items.size())) return -1;
  m_items.insert(m_items.begin() + index, ListItem{text ? text : L"", data});
  return index;
}

BOOL UiList::RemoveItem(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return FALSE;
  m_items.erase(m_items.begin() + index);
  if (m_selected == index) m_selected = -1;
  else if (m_selected > index) --m_selected;
  return TRUE;
}

void UiList::RemoveAllItems() {
  m_items.clear();
  m_selected = -1;
}

ListItem* UiList::GetItem(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return nullptr;
  return &m_items[static_cast<size_t>(index)];
}

int UiList::GetItemCount() { return static_cast<int>(m_items.size()); }

// ---- geometry ----

void UiList::SetItemHeight(int height) { m_itemHeight = std::max(0, height); }

int UiList::CalcItemHeight(int) { return m_itemHeight; }

void UiList::SetCollapsingItem(int index, int height) {
  m_collapsingItem = index;
  m_collapsingHeight = std::max(0, height);
}

int UiList::RowHeight(int index) {
  if (index == m_collapsingItem) return m_collapsingHeight;
  return m_varyHeight ? std::max(0, CalcItemHeight(index)) : m_itemHeight;
}

int UiList::RowOffset(int index) {
  if (!m_varyHeight && m_collapsingItem < 0) return index * m_itemHeight;
  int offset = 0;
  for (int i = 0; i < index; ++i) offset += RowHeight(i);
  return offset;
}

int UiList::RowAtOffset(int y, int* rowOffset) {
  int count = GetItemCount();
  if (y < 0 || count <= 0) return -1;
  if (!m_varyHeight && m_collapsingItem < 0) {
    if (m_itemHeight <= 0) return -1;
    int row = y / m_itemHeight;
    if (row >= count) return -1;
    *rowOffset = row * m_itemHeight;
    return row;
  }
  int offset = 0;
  for (int i = 0; i < count; ++i) {
    int h = RowHeight(i);
    if (y < offset + h) {
      *rowOffset = offset;
      return i;
    }
    offset += h;
  }
  return -1;
}

int UiList::CalcContentHeight() { return RowOffset(GetItemCount()); }

int UiList::CalcIndexOfPos(int x, int y) {
  if (x < GetLeft() || x >= GetLeft() + GetWidth() || y < GetTop() || y >= GetTop() + GetHeight()) return -1;
  int offset = 0;
  return RowAtOffset(y - GetTop() - GetTopPos(), &offset);
}

int UiList::CalcItemTopPos(int index) { return GetTopPos() + RowOffset(index); }

RECT UiList::GetItemRect(int index) {
  int top = GetTop() + CalcItemTopPos(index);
  return RECT{GetLeft(), top, GetLeft() + GetWidth(), top + RowHeight(index)};
}

// ---- scrolling ----

void UiList::UpdateScrollRange() { m_scroller->SetMinTop(GetHeight() - CalcContentHeight()); }

int UiList::GetTopPos() const { return m_scroller->Top(); }

void UiList::SetTopPos(int top) {
  CancelFrames();
  UpdateScrollRange();
  m_scroller->SetTop(top);
  Invalidate();
}

void UiList::ScrollTo(int mode, int pos, BOOL animate) {
  UpdateScrollRange();
  int target = GetTopPos();
  int count = GetItemCount();
  switch (mode) {
    case LIST_SCROLL_TO_ITEM:
      target = -RowOffset(std::clamp(pos, 0, std::max(0, count)));
      break;
    case LIST_SCROLL_SHOW_ITEM: {
      if (pos < 0 || pos >= count) return;
      int top = RowOffset(pos);
      if (top + GetTopPos() < 0)
        target = -top;
      else if (top + RowHeight(pos) + GetTopPos() > GetHeight())
        target = GetHeight() - top - RowHeight(pos);
      break;
    }
    case LIST_SCROLL_TO_TOPPOS:
      target = pos;
      break;
    default:
      return;
  }
  CancelFrames();
  if (animate) {
    m_scroller->AnimateTo(target, Clock::Now());
    StartFrames();
  } else {
    m_scroller->SetTop(target);
  }
  Invalidate();
}

void UiList::ScrollStop() {
  CancelFrames();
  if (m_scroller->IsAnimating()) m_scroller->Stop();
  Invalidate();
}

BOOL UiList::IsScrolling() const { return m_scroller->IsMoving(); }

void UiList::StartFrames() { m_frames->Start(); }

void UiList::CancelFrames() { m_frames->Cancel(); }

void UiList::SetVisible(BOOL visible) {
  if (!visible) {
    CancelFrames();
    m_scroller->Stop();
  }
  UiWin::SetVisible(visible);
}

// ---- touch ----

void UiList::BeginTouch(int x, int y) {
  bool wasMoving = m_scroller->IsAnimating();
  CancelFrames();
  UpdateScrollRange();
  m_scroller->Press(y, Clock::Now());
  SetMouseDownAtScrolling(wasMoving);
  m_draggingV = false;
  m_held = false;
  m_pressPt = POINT{x, y};
  m_pressItem = wasMoving ? -1 : CalcIndexOfPos(x, y);
  m_pressPart = m_pressItem >= 0 ? CalcItemPart(m_pressItem, x, y) : 0;
  if (wasMoving) Invalidate();
}

LRESULT UiList::OnLButtonDown(UINT flags, int x, int y) {
  BeginTouch(x, y);
  return UiWin::OnLButtonDown(flags, x, y);
}

LRESULT UiList::OnLButtonDblClk(UINT flags, int x, int y) {
  BeginTouch(x, y);
  return UiWin::OnLButtonDblClk(flags, x, y);
}

LRESULT UiList::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (!IsLButtonDown()) return 0;
  if (!m_draggingV && std::abs(y - m_pressPt.y) > kMoveSlop) {
    m_draggingV = true;
    m_scroller->BeginDrag(m_pressPt.y, Clock::Now());  // the content stays under the finger
  }
  if (m_draggingV) {
    m_scroller->Drag(y, Clock::Now());
    Invalidate();
  }
  return 0;
}

LRESULT UiList::OnLButtonUp(UINT flags, int x, int y) {
  bool tap = IsLButtonDown() && !IsMouseMoved() && !IsMouseDownAtScrolling() && !m_held;
  UiWin::OnLButtonUp(flags, x, y);
  if (m_draggingV) {
    m_draggingV = false;
    m_scroller->Release(Clock::Now());
    StartFrames();
    Invalidate();
  } else {
    m_scroller->Stop();
  }
  int item = m_pressItem;
  m_pressItem = -1;
  if (tap && item >= 0 && item < GetItemCount() && CalcIndexOfPos(x, y) == item) OnItemClick(item, m_pressPart);
  return 0;
}

void UiList::OnPressedHoldTimeup() {
  if (IsMouseDownAtScrolling() || m_pressItem < 0 || m_pressItem >= GetItemCount()) return;
  m_held = true;
  NotifyOwner(QZ_WM_LIST_HOLD, m_pressItem, m_pressPart);
}

int UiList::CalcItemPart(int, int, int) { return 0; }

void UiList::OnItemClick(int index, int part) { NotifyOwner(QZ_WM_LIST_CLICK, index, part); }

void UiList::NotifyOwner(UINT msg, int row, int part) {
  CQzWndEx* owner = GetParentWnd();
  if (!IsNotifyMessageEnabled() || !owner) return;
  owner->PostMessageW(msg, MAKEWPARAM(GetID(), 0), MAKELPARAM(row, part));
}

// ---- painting ----

void UiList::InvalidateItem(int index) {
  if (index < 0 || index >= GetItemCount()) return;
  RECT rc = GetItemRect(index);
  RECT win = GetWinRect();
  rc.top = std::max(rc.top, win.top);
  rc.bottom = std::min(rc.bottom, win.bottom);
  if (rc.bottom > rc.top) Invalidate(&rc);
}

void UiList::PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) {
  cairo_t* cr = CeGetCairo(hdc);
  if (!cr) return;
  HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  FillRect(hdc, &rcUpdate, white);
  // Rows shrunk or removed while the list rested: rest at the new end.
  UpdateScrollRange();
  if (!m_scroller->IsMoving() && GetTopPos() < m_scroller->MinTop()) m_scroller->SetTop(GetTopPos());

  int listTop = rcWin.top + GetTopPos();
  int offset = 0;
  int first = RowAtOffset(std::max(0, rcUpdate.top - listTop), &offset);
  int count = GetItemCount();
  for (int i = first; i >= 0 && i < count; ++i) {
    int top = listTop + offset;
    if (top >= rcUpdate.bottom) break;
    int h = RowHeight(i);
    offset += h;
    if (h <= 0) continue;
    // Rows draw at their full height; a collapsing row shows its top part.
    int fullHeight = m_varyHeight ? CalcItemHeight(i) : m_itemHeight;
    RECT rcItem{rcWin.left, top, rcWin.right, top + std::max(h, fullHeight)};
    cairo_save(cr);
    cairo_rectangle(cr, rcWin.left, top, rcWin.right - rcWin.left, h);
    cairo_clip(cr);
    DrawItem(hdc, i, rcItem);
    OnDrawGradlines(hdc, i, RECT{rcWin.left, top, rcWin.right, top + h});
    cairo_restore(cr);
  }
  if (m_scrollBarV && m_scroller->IsMoving()) PaintScrollBar(hdc, rcWin);
}

void UiList::DrawItem(HDC hdc, int index, const RECT& rcItem) {
  const ListItem* item = GetItem(index);
  if (!item) return;
  RECT rc{rcItem.left + kTextColumn, rcItem.top, rcItem.right - 10, rcItem.bottom};
  qzfc::DrawRowText(hdc, item->text.c_str(), rc, GetTextSize(), FW_NORMAL, GetTextColor(),
                    DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS);
}

void UiList::OnDrawGradlines(HDC hdc, int, const RECT& rcItem) {
  if (m_splitMode == LIST_SPLIT_NONE) return;
  int left = m_splitMode == LIST_SPLIT_TEXT ? rcItem.left + kTextColumn : rcItem.left;
  QzDrawGridLine(hdc, left, rcItem.bottom - 1, rcItem.right, rcItem.bottom - 1, QZ_GRIDLINE_NORMAL);
}

void UiList::PaintScrollBar(HDC hdc, const RECT& rcWin) {
  int height = rcWin.bottom - rcWin.top;
  int content = CalcContentHeight();
  if (content <= height || height <= 0) return;
  int barHeight = std::max(30, static_cast<int>(static_cast<int64_t>(height) * height / content));
  int range = content - height;
  int scrolled = std::clamp(-GetTopPos(), 0, range);
  int barTop = rcWin.top + static_cast<int>(static_cast<int64_t>(height - barHeight) * scrolled / range);
  cairo_t* cr = CeGetCairo(hdc);
  double x = rcWin.right - 9;
  double r = 3;
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + r, barTop + r, r, 3.14159265, 0);
  cairo_arc(cr, x + r, barTop + barHeight - r, r, 0, 3.14159265);
  cairo_close_path(cr);
  cairo_set_source_rgba(cr, 0.35, 0.35, 0.35, 0.6);
  cairo_fill(cr);
}
