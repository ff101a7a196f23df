#include "qzfc/UiScrollWin.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>

#include "controls/list/ListScroller.h"
#include "controls/list/ScrollFrames.h"
#include "qzfc/Clock.h"
#include "qzfc/QzWndEx.h"

using qzfc::Clock;
using qzfc::ListScroller;
using qzfc::ScrollFrames;

namespace {
constexpr int kAway = -100000;
}  // namespace

// The scroller's top position is the negated scroll position.
UiScrollWin::UiScrollWin()
    : m_scroller(std::make_unique<ListScroller>()),
      m_frames(std::make_unique<ScrollFrames>(*m_scroller, [this] { FollowScroller(); })) {}

UiScrollWin::~UiScrollWin() = default;

LPCWSTR UiScrollWin::GetUiClassName() const { return L"UiScrollWin"; }

// The page's window is known only once the page is added to it; children
// added before that are given it on first use.
void UiScrollWin::AdoptChildren() {
  for (UiWin* child : m_children)
    if (child->GetParentWnd() != GetParentWnd()) child->SetParentWnd(GetParentWnd());
}

BOOL UiScrollWin::AddChild(UiWin* child) {
  if (!child || child == this || std::find(m_children.begin(), m_children.end(), child) != m_children.end())
    return FALSE;
  m_children.push_back(child);
  // Placed for the top of the page: move it to where the page is now.
  RECT rc = child->GetWinRect();
  child->SetPos(rc.left, rc.top - m_scroll, rc.right - rc.left, rc.bottom - rc.top);
  child->SetParentWnd(GetParentWnd());
  Invalidate();
  return TRUE;
}

BOOL UiScrollWin::RemoveChild(UiWin* child) {
  auto it = std::find(m_children.begin(), m_children.end(), child);
  if (it == m_children.end()) return FALSE;
  if (m_touched == child) EndTouch();
  if (m_lastTouched == child) m_lastTouched = nullptr;
  // A child taken off the page no longer takes the page's touches or keys.
  if (child->HasCapture()) child->ReleaseCapture();
  if (child->HasFocus()) child->SetFocus(FALSE);
  m_children.erase(it);
  RECT rc = child->GetWinRect();
  child->SetPos(rc.left, rc.top + m_scroll, rc.right - rc.left, rc.bottom - rc.top);
  SetScrollPos(m_scroll);  // the content may have become shorter
  Invalidate();
  return TRUE;
}

UiWin* UiScrollWin::ChildFromPoint(int x, int y) const {
  if (!HitTest(x, y)) return nullptr;
  for (auto it = m_children.rbegin(); it != m_children.rend(); ++it)
    if ((*it)->IsVisible() && (*it)->IsEnabled() && (*it)->HitTest(x, y)) return *it;
  return nullptr;
}

int UiScrollWin::GetContentHeight() const {
  int content = m_minContent;
  for (const UiWin* child : m_children)
    content = std::max<int>(content, child->GetWinRect().bottom + m_scroll - GetTop());
  return content;
}

int UiScrollWin::MaxScroll() const { return std::max(0, GetContentHeight() - GetHeight()); }

void UiScrollWin::SetScrollPos(int pos) {
  m_frames->Cancel();
  m_scroller->SetMinTop(-MaxScroll());
  m_scroller->SetTop(-std::clamp(pos, 0, MaxScroll()));
  MoveTo(-m_scroller->Top());
}

void UiScrollWin::MoveTo(int pos) {
  int delta = pos - m_scroll;
  if (delta == 0) return;
  m_scroll = pos;
  for (UiWin* child : m_children) {
    RECT rc = child->GetWinRect();
    child->SetPos(rc.left, rc.top - delta, rc.right - rc.left, rc.bottom - rc.top);
  }
  Invalidate();
}

void UiScrollWin::FollowScroller() { MoveTo(-m_scroller->Top()); }

BOOL UiScrollWin::IsScrolling() const { return m_scroller->IsMoving(); }

void UiScrollWin::EnsureVisible(UiWin* child) {
  if (std::find(m_children.begin(), m_children.end(), child) == m_children.end()) return;
  RECT rc = child->GetWinRect();
  if (rc.top < GetTop() || rc.bottom - rc.top > GetHeight())
    SetScrollPos(m_scroll + static_cast<int>(rc.top) - GetTop());
  else if (rc.bottom > GetWinRect().bottom)
    SetScrollPos(m_scroll + static_cast<int>(rc.bottom - GetWinRect().bottom));
}

void UiScrollWin::SetPos(int x, int y, int width, int height) {
  RECT old = GetWinRect();
  UiWin::SetPos(x, y, width, height);
  int dx = x - old.left, dy = y - old.top;
  if (dx || dy)
    for (UiWin* child : m_children) {
      RECT rc = child->GetWinRect();
      child->SetPos(rc.left + dx, rc.top + dy, rc.right - rc.left, rc.bottom - rc.top);
    }
  SetScrollPos(m_scroll);
}

bool UiScrollWin::IsChild(const UiWin* ui) const {
  return ui && std::find(m_children.begin(), m_children.end(), ui) != m_children.end();
}

void UiScrollWin::SetFocus(BOOL focus) {
  CQzWndEx* owner = GetParentWnd();
  if (!focus && owner && IsChild(owner->GetFocusUi())) owner->SetFocusUi(nullptr);
  UiWin::SetFocus(focus);
}

BOOL UiScrollWin::HasFocus() const {
  CQzWndEx* owner = GetParentWnd();
  return owner && (owner->GetFocusUi() == this || IsChild(owner->GetFocusUi()));
}

void UiScrollWin::SetVisible(BOOL visible) {
  if (!visible) {
    EndTouch();
    SetScrollPos(m_scroll);  // stops any motion, back within the content
    SetFocus(FALSE);
  }
  UiWin::SetVisible(visible);
}

void UiScrollWin::EndTouch() {
  if (m_touched && m_touched->HasCapture()) m_touched->ReleaseCapture();
  m_touched = nullptr;
  m_dragging = false;
}

// A press on a moving page only stops it; otherwise it goes on to the child
// under the finger, and the page keeps the touch to turn it into a scroll.
void UiScrollWin::BeginTouch(int x, int y) {
  AdoptChildren();
  bool wasMoving = m_scroller->IsAnimating();
  m_frames->Cancel();
  m_scroller->SetMinTop(-MaxScroll());
  m_scroller->Press(y, Clock::Now());
  SetMouseDownAtScrolling(wasMoving);
  m_touched = wasMoving ? nullptr : ChildFromPoint(x, y);
  m_lastTouched = m_touched;
  m_dragging = false;
  m_downY = y;
}

LRESULT UiScrollWin::OnLButtonDown(UINT flags, int x, int y) {
  BeginTouch(x, y);
  UiWin::OnLButtonDown(flags, x, y);
  if (m_touched) {
    m_touched->OnLButtonDown(flags, x, y);
    SetCapture();
  }
  return 0;
}

LRESULT UiScrollWin::OnLButtonDblClk(UINT flags, int x, int y) {
  UiWin* previous = m_lastTouched;
  BeginTouch(x, y);
  UiWin::OnLButtonDblClk(flags, x, y);
  if (m_touched) {
    // A quick second press on another child is a plain press there.
    if (m_touched == previous)
      m_touched->OnLButtonDblClk(flags, x, y);
    else
      m_touched->OnLButtonDown(flags, x, y);
    SetCapture();
  }
  return 0;
}

LRESULT UiScrollWin::OnMouseMove(UINT flags, int x, int y) {
  UiWin::OnMouseMove(flags, x, y);
  if (!IsLButtonDown()) return 0;
  if (m_touched) m_touched->OnMouseMove(flags, x, y);
  if (!m_dragging && std::abs(y - m_downY) > kMoveSlop && MaxScroll() > 0) {
    m_dragging = true;
    m_scroller->BeginDrag(m_downY, Clock::Now());  // the content stays under the finger
    // The child under the finger moves with the page, so a release would
    // land on it again: end its touch now, away from every control.
    if (m_touched) m_touched->OnLButtonUp(flags, kAway, kAway);
    m_touched = nullptr;
  }
  if (m_dragging) {
    m_scroller->Drag(y, Clock::Now());
    FollowScroller();
  }
  return 0;
}

LRESULT UiScrollWin::OnLButtonUp(UINT flags, int x, int y) {
  UiWin* touched = m_touched;
  m_touched = nullptr;
  if (m_dragging) {
    m_dragging = false;
    m_scroller->Release(Clock::Now());
  } else {
    // A press that caught the page beyond an end lets it spring back.
    m_scroller->AnimateTo(m_scroller->Top(), Clock::Now());
  }
  m_frames->Start();
  UiWin::OnLButtonUp(flags, x, y);
  if (touched) touched->OnLButtonUp(flags, x, y);
  return 0;
}

void UiScrollWin::PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) {
  CQzWndEx* owner = GetParentWnd();
  if (!owner) return;
  AdoptChildren();
  RECT area{std::max(rcWin.left, rcUpdate.left), std::max(rcWin.top, rcUpdate.top),
            std::min(rcWin.right, rcUpdate.right), std::min(rcWin.bottom, rcUpdate.bottom)};
  if (area.right <= area.left || area.bottom <= area.top) return;
  for (UiWin* child : m_children)
    if (child->IsVisible()) owner->PaintUiWin(hdc, child, area);
}
