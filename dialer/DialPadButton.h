// DialPadButton: one key of the dial pad. At rest it paints only its caption
// (a speed-dial name) at its bottom edge, since the pad itself is part of the
// dial window's background picture; while pressed it paints a background
// piece and an icon. It can post its command when the finger goes down (so a
// digit is in the field while the finger still rests on the key), repeat its
// command ever faster while held, and skip the redraw of its next release.
#pragma once

#include "platform/ToolkitContract.h"

class DialPadButton : public UiButton {
 public:
  DialPadButton();
  DialPadButton(const DialPadButton& other) = default;
  DialPadButton& operator=(const DialPadButton& other) = default;
  ~DialPadButton() override;

  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnTimer(UINT_PTR timerId) override;
  void OnPressedHoldStart() override;
  void OnPressedHoldTimeup() override;

  // The images belong to the image library's cache; the key never frees them.
  void SetPressedBackground(ImagingHelper* background) { m_pressedBackground = background; }
  void SetPressedIcon(ImagingHelper* icon) { m_pressedIcon = icon; }

  // Post the command on button-down (and double-click) instead of on release.
  void SetActOnPress(bool on) { m_actOnPress = on; }
  // While the key is held past the press-and-hold time, post its command
  // again and again, each interval half the one before down to about 12 ms.
  void SetAutoRepeat(bool on) { m_autoRepeat = on; }
  // The next release leaves the key unredrawn (a long press has already acted).
  void SetSkipReleaseRedraw(bool skip) { m_skipReleaseRedraw = skip; }

 private:
  void PostKeyCommand(UINT code, LPARAM point);
  void Redraw();
  void StartRepeatTimer();

  ImagingHelper* m_pressedBackground = nullptr;
  ImagingHelper* m_pressedIcon = nullptr;
  bool m_actOnPress = false;
  bool m_autoRepeat = false;
  bool m_skipReleaseRedraw = false;
  int m_repeatPeriod = 200;  // the next repeat's interval; back to 200 at each hold
};
