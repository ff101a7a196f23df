// UiScrollWin: a page of controls taller than the space it has. Children are
// placed (SetPos) in the window's coordinates as they stand with the page
// scrolled to the top; the page moves them as it scrolls, paints them
// clipped to its rectangle, and passes touches on to the child under the
// finger. A vertical drag scrolls the page when its content is taller than
// the page; the child that the drag started on sees a moved finger, so the
// drag does not count as a tap on it. Like a list, the page follows the
// finger with resistance beyond either end and springs back, a quick drag
// flings it on the toolkit clock, and a press while it moves stops it
// without touching the child under the finger.
//
// Children are not owned and must outlive the page or be removed first
// (windows declare them after the page). They belong to the page's window
// (notifications, focus and capture work as for the window's own controls)
// but are not in its control list.
#pragma once

#include <memory>
#include <vector>

#include "qzfc/UiWin.h"

namespace qzfc {
class ListScroller;
class ScrollFrames;
}  // namespace qzfc

class UiScrollWin : public UiWin {
 public:
  UiScrollWin();
  ~UiScrollWin() override;
  UiScrollWin(const UiScrollWin&) = delete;
  UiScrollWin& operator=(const UiScrollWin&) = delete;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  void SetPos(int x, int y, int width, int height) override;
  void SetVisible(BOOL visible) override;

  // Taking the focus from the page takes it from whichever of its children
  // has it (so the soft keyboard goes down); giving it focuses the page.
  void SetFocus(BOOL focus);
  // Whether the page or one of its children has the focus.
  BOOL HasFocus() const;

  BOOL AddChild(UiWin* child);
  BOOL RemoveChild(UiWin* child);
  const std::vector<UiWin*>& GetChildren() const { return m_children; }
  // The visible, enabled child at the point, or null.
  UiWin* ChildFromPoint(int x, int y) const;

  // Height of the content: the lowest child bottom below the page top
  // (with the page at the top), or the height set here if that is more.
  int GetContentHeight() const;
  void SetContentHeight(int height) { m_minContent = height; }
  // Pixels scrolled from the top, 0 to content height − page height (beyond
  // either end only while pulled or springing back).
  int GetScrollPos() const { return m_scroll; }
  // Moves there (kept within the content) and stops any motion.
  void SetScrollPos(int pos);
  // The finger drags the page, or it moves by itself.
  BOOL IsScrolling() const;
  // Scrolls just enough to show the child whole (or its top, when it is
  // taller than the page).
  void EnsureVisible(UiWin* child);

 private:
  int MaxScroll() const;
  // Moves the children to scroll position `pos`, which may lie beyond the ends.
  void MoveTo(int pos);
  void FollowScroller();
  void AdoptChildren();
  void BeginTouch(int x, int y);
  void EndTouch();
  bool IsChild(const UiWin* ui) const;

  std::vector<UiWin*> m_children;
  int m_scroll = 0;
  int m_minContent = 0;
  std::unique_ptr<qzfc::ListScroller> m_scroller;
  std::unique_ptr<qzfc::ScrollFrames> m_frames;  // after the scroller it steps
  UiWin* m_touched = nullptr;  // the child the current touch went to
  UiWin* m_lastTouched = nullptr;  // the child the last touch went down on
  bool m_dragging = false;
  int m_downY = 0;
};
