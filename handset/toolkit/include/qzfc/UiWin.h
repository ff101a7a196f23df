// UiWin: the base of every control. A control lives in a window (CQzWndEx,
// added with AddUiWin) at a rectangle in the window's client coordinates;
// handlers and painting use those same coordinates.
//
// Touch handling of the base: a press captures the touch for the control,
// marks it down (IsLButtonDown) and, with press-and-hold on, starts the hold
// timer; a second press soon after is a double-click (IsLButtonDblClk); a
// finger that travels more than a few pixels is "moved" (IsMouseMoved) and
// cancels the hold. With notifications on, the owner receives
// 0xFFF10002 (id | code << 16): 1 pressed, 2 released, 6 held.
#pragma once

#include <cstdint>
#include <string>

#include "ce/gdi.h"
#include "ce/types.h"

class CQzWndEx;

class UiWin {
 public:
  UiWin();
  UiWin(const UiWin& other);
  UiWin& operator=(const UiWin& other);

  // ---- virtual operations, in slot order ----
  virtual ~UiWin();
  virtual LPCWSTR GetUiClassName() const;
  virtual void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate);
  virtual LRESULT OnChar(WPARAM ch, LPARAM lParam);
  virtual LRESULT OnKeyDown(WPARAM key, LPARAM lParam);
  virtual void OnSetFocus();
  virtual void OnKillFocus();
  virtual LRESULT OnLButtonDblClk(UINT flags, int x, int y);
  virtual LRESULT OnLButtonDown(UINT flags, int x, int y);
  virtual LRESULT OnLButtonUp(UINT flags, int x, int y);
  virtual LRESULT OnMouseMove(UINT flags, int x, int y);
  virtual LRESULT OnTimer(UINT_PTR timerId);
  virtual void SetText(LPCWSTR text);
  virtual void SetPos(int x, int y, int width, int height);
  virtual void SetVisible(BOOL visible);
  virtual void SetEnabled(BOOL enabled);
  virtual void OnPressedHoldStart();
  virtual void OnPressedHoldTimeup();

  // ---- identity and geometry ----
  void SetID(int id) { m_id = id; }
  int GetID() const { return m_id; }
  RECT GetWinRect() const { return m_rc; }
  int GetLeft() const { return m_rc.left; }
  int GetTop() const { return m_rc.top; }
  int GetWidth() const { return m_rc.right - m_rc.left; }
  int GetHeight() const { return m_rc.bottom - m_rc.top; }
  BOOL IsVisible() const { return m_visible; }
  BOOL IsEnabled() const { return m_enabled; }
  // Whether the point (client coordinates of the window) is on the control.
  virtual bool HitTest(int x, int y) const;

  // ---- text and colour ----
  LPCWSTR GetText() const { return m_text.c_str(); }
  int GetTextLength() const { return static_cast<int>(m_text.size()); }
  void SetTextColor(COLORREF color) { m_textColor = color; }
  COLORREF GetTextColor() const { return m_textColor; }
  void SetTextSize(int size) { m_textSize = size; }
  int GetTextSize() const { return m_textSize; }

  // ---- owner and notifications ----
  CQzWndEx* GetParentWnd() const { return m_owner; }
  HWND GetParentHwnd() const;
  void SetParentWnd(CQzWndEx* owner) { m_owner = owner; }
  void EnableNotifyMessage(BOOL enable) { m_notify = enable != FALSE; }
  BOOL IsNotifyMessageEnabled() const { return m_notify; }
  // Posts a command to the owner: its OnQzCommand receives (id | code << 16,
  // point). Does nothing, and returns FALSE, while notifications are off.
  BOOL PostCommandMessage(UINT id, UINT code, LPARAM point);

  // ---- press-and-hold ----
  void EnablePressedHoldSupport(BOOL enable, UINT holdMs = 500);
  BOOL IsPressedHoldSupport() const { return m_holdSupport; }
  UINT GetPressedHoldTime() const { return m_holdMs; }

  // ---- touch state ----
  void SetCapture();
  void ReleaseCapture();
  BOOL HasCapture() const;
  BOOL IsLButtonDown() const { return m_lbuttonDown; }
  BOOL IsLButtonDblClk() const { return m_lbuttonDblClk; }
  // Clears the button-down and double-click state (after a long press acted).
  void ResetLButtonState();
  BOOL IsMouseMoved() const { return m_mouseMoved; }
  BOOL IsMouseDownAtScrolling() const { return m_downAtScrolling; }
  // Set by scrolling controls when a press lands while they scroll.
  void SetMouseDownAtScrolling(BOOL v) { m_downAtScrolling = v != FALSE; }

  // ---- focus ----
  void SetFocus(BOOL focus);
  BOOL HasFocus() const;

  // ---- clip extension: painting may reach (dx, dy) beyond the rectangle ----
  void EnableClipExtend(BOOL enable) { m_clipExtend = enable != FALSE; }
  BOOL IsClipExtendEnabled() const { return m_clipExtend; }
  void SetClipExtend(int dx, int dy) {
    m_clipDx = dx;
    m_clipDy = dy;
  }
  int GetClipExtendX() const { return m_clipDx; }
  int GetClipExtendY() const { return m_clipDy; }
  // The rectangle painting may cover: the control's, grown by the clip extension.
  RECT GetPaintRect() const;

  // ---- redrawing ----
  void Invalidate(const RECT* rect = nullptr);
  void Update();

  // A finger must travel this far (pixels) before a press counts as moved.
  static constexpr int kMoveSlop = 8;

 protected:
  void NotifyButton(UINT code);

 private:
  void BeginPress(int x, int y, bool doubleClick);
  void CancelHoldTimer();
  void CopyFrom(const UiWin& other);

  int m_id = 0;
  RECT m_rc{};
  bool m_visible = true;
  bool m_enabled = true;
  std::wstring m_text;
  COLORREF m_textColor = 0;
  int m_textSize = 24;
  CQzWndEx* m_owner = nullptr;
  bool m_notify = false;

  bool m_holdSupport = false;
  UINT m_holdMs = 500;
  uint64_t m_holdTimer = 0;

  bool m_lbuttonDown = false;
  bool m_lbuttonDblClk = false;
  bool m_mouseMoved = false;
  bool m_downAtScrolling = false;
  POINT m_downPt{};

  bool m_clipExtend = false;
  int m_clipDx = 0;
  int m_clipDy = 0;
};
