// CPopUpMessageWnd: the copy bubble. It freezes the screen behind it (a
// snapshot given by the caller), draws a speech bubble over a held row with
// one "copy" button, and ends its modal loop with 1 when the button is
// tapped or 2 when the user taps anywhere else.
#pragma once

#include "platform/ToolkitContract.h"

class CPopUpMessageWnd : public CQzWndEx {
 public:
  // Modal results.
  static constexpr int kCopy = 1;
  static constexpr int kDismissed = 2;
  // The copy button's control id, and the height of the strip at the band's
  // top that belongs to it.
  static constexpr int kCopyButtonId = 2;
  static constexpr int kButtonHeight = 55;
  // How far the bubble reaches above and below the row it points at.
  static constexpr int kBandAbove = 49;
  static constexpr int kBandBelow = 19;

  CPopUpMessageWnd();
  ~CPopUpMessageWnd() override;

  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnPaint(HDC hdc, const RECT& rcUpdate) override;
  void PaintWin(HDC hdc, const RECT& rcUpdate) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  BOOL OnInitDialog() override;

  // Takes ownership of the screen snapshot drawn behind the bubble.
  void SetBackground(HBITMAP background);
  // The held row's band in the pop-up's coordinates; the bubble covers it
  // and reaches kBandAbove pixels above it and kBandBelow below.
  void SetBand(int left, int top, int right, int bottom);
  RECT GetBand() const { return m_band; }
  BOOL IsPressed() const { return m_pressed; }

 private:
  void PaintBackground(HDC hdc, const RECT& rcUpdate);
  void PaintPressedBubble(HDC hdc);

  UiButton m_copyButton;
  HBITMAP m_background = nullptr;
  RECT m_band{};
  BOOL m_pressed = FALSE;
  // The release that ends the long press which opened the bubble comes to
  // the bubble; it must not dismiss it.
  BOOL m_firstRelease = TRUE;
};
