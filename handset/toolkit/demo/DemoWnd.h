// The toolkit's demo window: a contact-list-like column of nine rows (an
// avatar picture, a name and a number), a status line and a push button.
// A tap on a row selects it; the button clears the selection.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "qzfc/ImagingHelper.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiWin.h"

namespace qzfc::demo {

class DemoRow : public UiWin {
 public:
  DemoRow(std::wstring name, std::wstring number, ImagingHelper* avatar);
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;

 private:
  std::wstring name_;
  std::wstring number_;
  ImagingHelper* avatar_;
  bool pressed_ = false;
};

class DemoButton : public UiWin {
 public:
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;

 private:
  bool pressed_ = false;
};

class DemoWnd : public CQzWndEx {
 public:
  static constexpr int kRows = 9;
  static constexpr int kRowHeight = 70;
  static constexpr int kButtonId = 100;

  DemoWnd();
  ~DemoWnd() override;
  LPCWSTR GetQzClassName() override { return L"QzfcDemo"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;
  void PaintWin(HDC hdc, const RECT& rcUpdate) override;

  int Selected() const { return selected_; }
  int Commands() const { return commands_; }

 private:
  ImagingHelper avatar_;
  std::vector<std::unique_ptr<DemoRow>> rows_;
  DemoButton clear_;
  int selected_ = -1;
  int commands_ = 0;
};

}  // namespace qzfc::demo
