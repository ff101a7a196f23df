// UiSlideBar: a row of equal buttons, one of them highlighted (a type
// chooser: home, work, other). Tapping a button, or sliding the finger to it
// and lifting, highlights it; when the highlight changed, the window gets a
// command with the bar's id, code 0 and the new index as lParam.
#pragma once

#include <string>
#include <vector>

#include "qzfc/UiWin.h"

class UiSlideBar : public UiWin {
 public:
  // More buttons than this would be too narrow to touch.
  static constexpr int kMaxButtons = 16;

  UiSlideBar();

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;

  // 0 to kMaxButtons; texts of kept buttons stay, the highlight moves back
  // onto the last button when its button went away.
  void SetButtonCount(int count);
  int GetButtonCount() const { return static_cast<int>(m_texts.size()); }
  void SetButtonText(int index, LPCWSTR text);
  LPCWSTR GetButtonText(int index) const;
  // Ignored for an index outside the buttons.
  void SetHighLightButton(int index);
  int GetHighLightButton() const { return m_highlight; }
  // The button at the point (window coordinates), or -1.
  int ButtonFromPoint(int x, int y) const;

 private:
  RECT ButtonRect(int index) const;
  // The button whose column holds x (the nearest end one beyond the bar), or -1.
  int ButtonAlong(int x) const;
  void MoveHighlight(int index);

  std::vector<std::wstring> m_texts;
  int m_highlight = -1;
  int m_atPress = -1;  // the highlight when the finger went down
};
