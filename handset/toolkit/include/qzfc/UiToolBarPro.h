// UiToolBarPro: the 70-pixel bar at the bottom of a window. It holds two
// text buttons (left 0, right 1), a middle button (2) with a text or faces of
// its own, and three icon buttons (3, 4, 5) that serve as tabs. A tap on a
// shown, enabled button posts a command to the window: its OnQzCommand
// receives the bar's id with code 0 and the button index as lParam.
#pragma once

#include <array>
#include <string>

#include "qzfc/UiWin.h"

class ImagingHelper;

enum ToolBarProButtonIndex {
  TOOLBAR_BUTTON_LEFT = 0,
  TOOLBAR_BUTTON_RIGHT = 1,
  TOOLBAR_BUTTON_MIDDLE = 2,
  TOOLBAR_BUTTON_ICON_LEFT = 3,
  TOOLBAR_BUTTON_ICON_MIDDLE = 4,
  TOOLBAR_BUTTON_ICON_RIGHT = 5,
  TOOLBAR_BUTTON_COUNT = 6,
  TOOLBAR_BUTTON_NONE = -1,
};

class UiToolBarPro : public UiWin {
 public:
  static constexpr int kHeight = 70;

  UiToolBarPro();

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  void SetEnabled(BOOL enabled) override;

  // A text button (0, 1 or 2).
  void SetButton(int index, BOOL visible, BOOL enabled, LPCWSTR text);
  // An icon button (3, 4 or 5): `normal` in the normal look, `second` while
  // pressed or highlighted, `disabled` while disabled (the normal face when null).
  void SetIconButton(int index, BOOL visible, BOOL enabled, ImagingHelper* normal, ImagingHelper* second,
                     ImagingHelper* disabled);
  // The middle button (2): its text over its faces; without faces it looks
  // like a text button.
  void SetMiddleButton(BOOL visible, BOOL enabled, LPCWSTR text, ImagingHelper* normal = nullptr,
                       ImagingHelper* pressed = nullptr, ImagingHelper* disabled = nullptr);
  void EnableButton(int index, BOOL enabled);
  void ShowButton(int index, BOOL visible);
  // Marks one icon button (3, 4 or 5) as the current tab; any other value
  // clears the mark.
  void SetMiddleButtonHighLight(int index);
  int GetMiddleButtonHighLight() const { return m_highlight; }
  // The vertical line beside text button 0 or 1 (on by default).
  void SetSeparatorLine(int index, BOOL show);
  BOOL IsSeparatorLineShown(int index) const;

  LPCWSTR GetButtonText(int index) const;
  BOOL IsButtonVisible(int index) const;
  BOOL IsButtonEnabled(int index) const;
  // The button under the finger while a press lasts, else TOOLBAR_BUTTON_NONE.
  int GetPressedButton() const { return m_pressed; }
  // The rectangle of a button, in the window's coordinates.
  RECT GetButtonRect(int index) const;
  // The shown, enabled button at the point, or TOOLBAR_BUTTON_NONE.
  int ButtonFromPoint(int x, int y) const;

 private:
  struct Button {
    bool visible = false;
    bool enabled = false;
    std::wstring text;
    ImagingHelper* normal = nullptr;
    ImagingHelper* pressed = nullptr;
    ImagingHelper* disabled = nullptr;
  };
  static bool ValidIndex(int index) { return index >= 0 && index < TOOLBAR_BUTTON_COUNT; }
  void PaintButton(HDC hdc, int index);
  void InvalidateButton(int index);

  std::array<Button, TOOLBAR_BUTTON_COUNT> m_buttons{};
  std::array<bool, 2> m_separators{true, true};
  int m_highlight = TOOLBAR_BUTTON_NONE;
  int m_pressed = TOOLBAR_BUTTON_NONE;
  int m_downButton = TOOLBAR_BUTTON_NONE;
};
