// CQzWndEx: a window that holds controls (UiWin). It paints them over its
// own content, routes touches to the control under the finger (or the one
// holding the capture), keeps the focused control that WM_CHAR and key
// messages go to, and forwards a WM_TIMER to a control's OnTimer: the
// control whose id is the timer id, or else the list whose collapse timer it
// is (UiList::GetCollapseTimerId). Children of scroll pages count as the
// window's controls for timers and for GetUiWin.
#pragma once

#include <vector>

#include "qzfc/QzWnd.h"

class UiWin;

class CQzWndEx : public CQzWnd {
 public:
  CQzWndEx();
  ~CQzWndEx() override;

  LPCWSTR GetQzClassName() override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnTimer(UINT_PTR timerId) override;
  // The window's own content (white), then every visible control that meets
  // the update rectangle, in the order they were added.
  void PaintWin(HDC hdc, const RECT& rcUpdate) override;
  BOOL OnInitDialog() override;

  // Controls are not owned: they are members of the window or owned by it.
  BOOL AddUiWin(UiWin* ui);
  BOOL RemoveUiWin(UiWin* ui);
  const std::vector<UiWin*>& GetUiWins() const { return m_uiWins; }
  // The control with the id, among the window's controls and the children
  // of its scroll pages; NULL when there is none.
  UiWin* GetUiWin(int id) const;
  // The topmost visible, enabled control at the point, or NULL.
  UiWin* UiWinFromPoint(int x, int y) const;

  void SetCaptureUi(UiWin* ui) { m_capture = ui; }
  UiWin* GetCaptureUi() const { return m_capture; }
  void SetFocusUi(UiWin* ui);
  UiWin* GetFocusUi() const { return m_focus; }

  // Paints one control now (clipped to its paint rectangle) into `hdc`.
  void PaintUiWin(HDC hdc, UiWin* ui, const RECT& rcUpdate);

 private:
  UiWin* TimerTarget(UINT_PTR timerId) const;

  std::vector<UiWin*> m_uiWins;
  UiWin* m_capture = nullptr;
  UiWin* m_focus = nullptr;
  UiWin* m_pressed = nullptr;  // the control the current touch went down on
  UiWin* m_lastPressed = nullptr;  // the control the last touch went down on
};
