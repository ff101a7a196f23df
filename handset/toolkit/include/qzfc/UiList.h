// UiList: a vertically scrolling list of rows. It holds its own rows
// (ListItem: a text and a data word) and draws each through DrawItem, which
// lists derived from it override; UiCustomList takes its rows from a
// collection instead.
//
// Positions: a row's top position is relative to the list's top; the list's
// top position (GetTopPos) is where the content starts, 0 at the top and
// negative when scrolled down. A finger drags the list (pulled beyond an
// end it follows with resistance and springs back), a quick drag flings it
// on the toolkit clock, and ScrollTo moves it with or without animation.
//
// Notifications to the owner (with notifications enabled), wParam = the
// list's id, lParam = row | part << 16:
//   QZ_WM_LIST_CLICK  a tap on a row;
//   QZ_WM_LIST_HOLD   a press held for the hold time (press-and-hold on);
//   QZ_WM_LIST_SELCHANGE  the multiple selection changed (lParam: the row,
//                         or 0xFFFF for all rows).
// A press that stops a moving list, and a finger that moved, tap nothing.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "qzfc/ListItem.h"
#include "qzfc/UiWin.h"

#define QZ_WM_LIST_CLICK 0xFFF10078u
#define QZ_WM_LIST_HOLD 0xFFF10080u
#define QZ_WM_LIST_SELCHANGE 0xFFF10081u

// ScrollTo modes.
#define LIST_SCROLL_TO_ITEM 0     // the row `pos` at the top
#define LIST_SCROLL_SHOW_ITEM 1   // the least scrolling that shows row `pos` whole
#define LIST_SCROLL_TO_TOPPOS 2   // the top position `pos`

// Grid lines below rows (SetSplitLineMode).
#define LIST_SPLIT_NONE 0
#define LIST_SPLIT_FULL 1
#define LIST_SPLIT_TEXT 2  // from the text column (x = 90) to the right edge

namespace qzfc {
class ListScroller;
class ScrollFrames;
}

class UiList : public UiWin {
 public:
  UiList();
  ~UiList() override;
  UiList(const UiList&) = delete;
  UiList& operator=(const UiList&) = delete;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  void SetVisible(BOOL visible) override;
  void OnPressedHoldTimeup() override;

  // ---- the list's own virtual operations ----
  virtual int GetItemCount();
  // Draws row `index` into its rectangle (window coordinates; drawing is
  // clipped to it). The default draws the row's text.
  virtual void DrawItem(HDC hdc, int index, const RECT& rcItem);
  // Draws the grid line below a row, as the split line mode says.
  virtual void OnDrawGradlines(HDC hdc, int index, const RECT& rcItem);
  // The row's height when rows vary in height; the list's item height otherwise.
  virtual int CalcItemHeight(int index);
  // Which part of row `index` the point (window coordinates) is on; 0 here.
  virtual int CalcItemPart(int index, int x, int y);
  // A tap on a row: notifies the owner with QZ_WM_LIST_CLICK.
  virtual void OnItemClick(int index, int part);

  // ---- rows ----
  // The new row's index.
  int AddItem(LPCWSTR text, DWORD data = 0);
  // Inserts before `index` (at the end when index is the count); -1 when out of range.
  int InsertItem(int index, LPCWSTR text, DWORD data = 0);
  BOOL RemoveItem(int index);
  void RemoveAllItems();
  // NULL outside the rows.
  ListItem* GetItem(int index);

  // ---- geometry ----
  void SetItemHeight(int height);
  int GetItemHeight() const { return m_itemHeight; }
  void EnableVaryItemHeight(BOOL enable) { m_varyHeight = enable != FALSE; }
  BOOL IsVaryItemHeight() const { return m_varyHeight; }
  // The row at a point in window coordinates, or -1.
  int CalcIndexOfPos(int x, int y);
  // Row top relative to the list's top (negative when scrolled above it).
  int CalcItemTopPos(int index);
  int CalcContentHeight();
  // The row's rectangle in window coordinates.
  RECT GetItemRect(int index);
  void SetSplitLineMode(int mode) { m_splitMode = mode; }
  int GetSplitLineMode() const { return m_splitMode; }

  // The row shrinking away after a deletion: drawn `height` pixels high
  // (its top part) until cleared with index -1. Lists that animate it run a
  // window timer with the id GetCollapseTimerId(); the window passes that
  // timer to the list's OnTimer.
  void SetCollapsingItem(int index, int height);
  UINT_PTR GetCollapseTimerId() const { return static_cast<UINT>(GetID()) + kCollapseTimerBase; }
  static constexpr UINT_PTR kCollapseTimerBase = 0x10070000;
  int GetCollapsingItem() const { return m_collapsingItem; }
  int GetCollapsingHeight() const { return m_collapsingHeight; }

  // ---- scrolling ----
  int GetTopPos() const;
  // Sets the top position (kept within the content) and stops any scrolling.
  void SetTopPos(int top);
  // Scrolls by mode (LIST_SCROLL_*); the position is kept within the content.
  void ScrollTo(int mode, int pos, BOOL animate);
  // Stops a fling or an animation where it is (which may be beyond the top).
  void ScrollStop();
  // A finger drags the list, or it moves by itself.
  BOOL IsScrolling() const;
  void EnableScrollBarV(BOOL enable) { m_scrollBarV = enable != FALSE; }
  BOOL IsScrollBarVEnabled() const { return m_scrollBarV; }

  // ---- selection: the highlighted row (-1 for none) ----
  void SetSelectedIndex(int index) { m_selected = index; }
  int GetSelectedIndex() const { return m_selected; }

  void InvalidateItem(int index);

  static constexpr int kDefaultItemHeight = 82;

 protected:
  // The finger drags the list vertically (a horizontal drag must not start).
  BOOL IsDraggingV() const { return m_draggingV; }
  int GetPressedItem() const { return m_pressItem; }
  POINT GetPressPoint() const { return m_pressPt; }
  BOOL IsHoldReported() const { return m_held; }
  void NotifyOwner(UINT msg, int row, int part);
  // Keeps the scroll range in step with the content; call after rows change.
  void UpdateScrollRange();

 private:
  int RowHeight(int index);
  // The row at content offset y (from the first row's top) and its offset.
  int RowAtOffset(int y, int* rowOffset);
  int RowOffset(int index);
  void BeginTouch(int x, int y);
  void StartFrames();
  void CancelFrames();
  void PaintScrollBar(HDC hdc, const RECT& rcWin);

  std::vector<ListItem> m_items;
  int m_itemHeight = kDefaultItemHeight;
  bool m_varyHeight = false;
  int m_splitMode = LIST_SPLIT_FULL;
  int m_collapsingItem = -1;
  int m_collapsingHeight = 0;
  int m_selected = -1;
  bool m_scrollBarV = false;

  std::unique_ptr<qzfc::ListScroller> m_scroller;
  std::unique_ptr<qzfc::ScrollFrames> m_frames;  // after the scroller it steps

  // The current touch.
  int m_pressItem = -1;
  int m_pressPart = 0;
  POINT m_pressPt{};
  bool m_draggingV = false;
  bool m_held = false;
};
