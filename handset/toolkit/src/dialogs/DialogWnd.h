// The frame of the toolkit's modal dialogs: a pop-up over the work area that
// dims what is behind it, draws a white panel with an optional message, and
// ends with the result of the button that was tapped.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "dialogs/DialogButton.h"
#include "qzfc/QzWndEx.h"

namespace qzfc {

class DialogWnd : public CQzWndEx {
 public:
  explicit DialogWnd(LPCWSTR className) : m_className(className) {}
  LPCWSTR GetQzClassName() override { return m_className; }
  void PaintWin(HDC hdc, const RECT& rcUpdate) override;
  LRESULT QzDefWndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;

  // Rectangles are in the dialog's client coordinates (the work area's).
  void SetPanel(const RECT& rc) { m_panel = rc; }
  void SetMessage(const std::wstring& text, const RECT& rc);
  void AddButton(int id, const RECT& rc, LPCWSTR text, int result, bool emphasis = false);
  // The result when the dialog is closed (WM_CLOSE) rather than answered:
  // its cancel result, 2 unless set.
  void SetCloseResult(int result) { m_closeResult = result; }
  // Runs the dialog over the work area above `owner`; the result of the
  // tapped button, or 0 when the dialog could not run.
  int Run(HWND owner);

 private:
  // What the windows below show, dimmed.
  void PaintBehind(HDC hdc, const RECT& rcUpdate);

  struct Entry {
    std::unique_ptr<DialogButton> button;
    int result;
  };
  LPCWSTR m_className;
  RECT m_panel{};
  std::wstring m_message;
  RECT m_messageRect{};
  std::vector<Entry> m_buttons;
  int m_closeResult = 2;
};

}  // namespace qzfc
