// One wheel of the date picker: a column of numbered entries with the chosen
// one in the middle band. Dragging moves the choice one entry per row height;
// a tap above or below the band steps by one.
#pragma once

#include <functional>
#include <string>

#include "qzfc/UiWin.h"

namespace qzfc {

class DateColumn : public UiWin {
 public:
  static constexpr int kRowHeight = 70;

  LPCWSTR GetUiClassName() const override { return L"QzDateColumn"; }
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;

  // The number of entries; the choice is kept inside it.
  void SetCount(int count);
  int GetCount() const { return m_count; }
  void SetSelected(int index);
  int GetSelected() const { return m_selected; }
  void SetLabel(const std::wstring& label) { m_label = label; }
  // The number shown for entry i is first + i.
  void SetFirstValue(int first) { m_first = first; }
  // Called after the user changed the choice.
  void SetOnChange(std::function<void()> onChange) { m_onChange = std::move(onChange); }

 private:
  void Step(int delta);

  int m_count = 0;
  int m_selected = 0;
  int m_first = 1;
  std::wstring m_label;
  std::function<void()> m_onChange;
  int m_downY = 0;
  int m_stepsTaken = 0;
};

}  // namespace qzfc
