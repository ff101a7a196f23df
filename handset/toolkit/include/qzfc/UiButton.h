// UiButton: a control that is pressed while the finger is on it and posts
// its command when the finger is lifted on it: OnQzCommand receives the
// button's id with code 0 (5 after a double-click) and the release point
// (x in the low, y in the high 16 bits).
//
// Types: UIBUTTON_TYPE_TEXT draws only its text (and its faces, when set)
// over what the window paints; UIBUTTON_TYPE_PUSH adds the toolkit's
// push-button face; UIBUTTON_TYPE_CHECK is a push button that each tap turns
// on or off, and its on state stays locked until the next tap.
//
// A locked state does not follow the finger: SetState(state, TRUE) keeps the
// button in that state until it is set again.
#pragma once

#include "qzfc/UiWin.h"

class ImagingHelper;

enum UIBUTTON_TYPE {
  UIBUTTON_TYPE_TEXT = 0,
  UIBUTTON_TYPE_PUSH = 1,
  UIBUTTON_TYPE_CHECK = 2,
};

enum UIBUTTON_STATE {
  UIBUTTON_STATE_NORMAL = 0,
  UIBUTTON_STATE_PRESSED = 1,
};

class UiButton : public UiWin {
 public:
  UiButton() = default;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  void SetEnabled(BOOL enabled) override;

  void SetButtonType(int type);
  int GetButtonType() const { return m_type; }
  void SetState(int state, BOOL lock = FALSE);
  int GetState() const { return m_state; }
  BOOL IsStateLocked() const { return m_locked; }
  // Faces drawn over the whole button (not owned; null for none). The
  // disabled face falls back to the normal one.
  void SetImages(ImagingHelper* normal, ImagingHelper* pressed, ImagingHelper* disabled = nullptr);

 protected:
  // The face: images or the push-button look, by type and state.
  void PaintFace(HDC hdc, const RECT& rc);
  // The text in `color`, centred, or from `offset` pixels in from the left when offset > 0.
  void PaintText(HDC hdc, const RECT& rc, LPCWSTR text, COLORREF color, int offset);

 private:
  void ChangeState(int state);

  int m_type = UIBUTTON_TYPE_TEXT;
  int m_state = UIBUTTON_STATE_NORMAL;
  bool m_locked = false;
  ImagingHelper* m_normal = nullptr;
  ImagingHelper* m_pressed = nullptr;
  ImagingHelper* m_disabled = nullptr;
};
