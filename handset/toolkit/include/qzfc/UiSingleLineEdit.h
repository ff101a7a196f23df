// UiSingleLineEdit: a one-line text field. It takes WM_CHAR while it has the
// focus (a tap gives it the focus): printable characters insert at the
// caret, 8 (backspace) removes the character before it, a tap puts the
// caret at the nearest character boundary, Ctrl+V (22) pastes
// the clipboard's text, Escape (27) empties the field, and Enter (13 or 10)
// is reported without changing the text. While it has the focus and its
// input-panel mode asks for one, the soft keyboard is up.
//
// Each change is posted to the owner window as QZ_WM_EDIT_CHANGE with the
// control id as wParam and MAKELONG(code, extra) as lParam.
#pragma once

#include <string>

#include "qzfc/EditBuffer.h"
#include "qzfc/UiWin.h"

#define QZ_WM_EDIT_CHANGE 0xFFF10045u
// Codes (low 16 bits of lParam).
#define QZ_EN_CHAR 1    // a character was typed; extra: the character (13 or 10 for Enter)
#define QZ_EN_DELETE 2  // backspace removed a character
#define QZ_EN_PASTE 3   // clipboard text was inserted
#define QZ_EN_SIP 5     // the soft keyboard came up (extra 1)
#define QZ_EN_CLEAR 6   // the whole text was removed

class UiSingleLineEdit : public UiWin {
 public:
  UiSingleLineEdit();
  ~UiSingleLineEdit() override;
  UiSingleLineEdit(const UiSingleLineEdit&) = delete;
  UiSingleLineEdit& operator=(const UiSingleLineEdit&) = delete;

  LPCWSTR GetUiClassName() const override;
  void PaintWin(HDC hdc, const RECT& rcWin, const RECT& rcUpdate) override;
  LRESULT OnChar(WPARAM ch, LPARAM lParam) override;
  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  void OnSetFocus() override;
  void OnKillFocus() override;
  // Replaces the text (cut to the maximum) without notifying; the caret goes to the end.
  void SetText(LPCWSTR text) override;

  // The caret goes before character `pos`; -1 puts it at the end.
  void SetCursePos(int pos);
  int GetCursePos() const { return m_buffer.Caret(); }
  // At most `max` characters (0: no limit). Longer text is cut.
  void SetMaxChars(int max);
  int GetMaxChars() const { return m_buffer.MaxChars(); }
  // Grey text shown while the field is empty.
  void SetTip(LPCWSTR tip);
  LPCWSTR GetTip() const { return m_tip.c_str(); }

  // With automatic font change on, the text starts at the maximum size and
  // shrinks, down to the minimum, until it fits between the margins.
  void SetMaxTextSize(int size) { m_maxTextSize = size; }
  void SetMinTextSize(int size) { m_minTextSize = size; }
  void EnableAutoChangeFont(BOOL enable) { m_autoFont = enable != FALSE; }
  // The size the text is drawn at now.
  int GetDisplayTextSize() const;
  void SetCenterDisplay(BOOL center) { m_center = center != FALSE; }
  // Margins kept free of text at the left and right.
  void SetInvalidWidth(int left, int right);
  void SetNoBackground(BOOL none) { m_noBackground = none != FALSE; }
  // Kept for callers; this field has no magnified view or copy bubble.
  void EnableZoomIn(BOOL enable) { m_zoomIn = enable != FALSE; }
  BOOL IsZoomInEnabled() const { return m_zoomIn; }
  void EnableSimpleCopy(BOOL enable) { m_simpleCopy = enable != FALSE; }
  BOOL IsSimpleCopyEnabled() const { return m_simpleCopy; }
  // While off, changes do not redraw the field.
  void EnableUpdateDis(BOOL enable) { m_updateDisplay = enable != FALSE; }
  // With switching on, Enter moves the focus to the next field of the window
  // that has switching on too (after the last, back to the first).
  void EnableSwitchFocus(BOOL enable) { m_switchFocus = enable != FALSE; }
  // The soft keyboard's layout for this field (0: no keyboard) and its option flags.
  void SetSipMode(DWORD mode, DWORD flags);
  DWORD GetSipMode() const { return m_sipMode; }
  DWORD GetSipFlags() const { return m_sipFlags; }

 protected:
  explicit UiSingleLineEdit(bool multiLine);
  // Where the text is drawn: the control less its margins.
  RECT TextArea(const RECT& rcWin) const;
  void PaintBackground(HDC hdc, const RECT& rcWin) const;
  // Posts a change to the owner (subclasses use another message).
  virtual void NotifyChange(UINT code, UINT extra);
  // The caret position nearest to a point in window coordinates.
  virtual int CaretFromPoint(int x, int y);
  void Redraw();
  qzfc::EditBuffer m_buffer;
  bool m_updateDisplay = true;

 protected:
  // Selects the font of `size` and measures the text with it.
  int TextWidth(HDC hdc, const std::wstring& text, int size) const;

 private:
  void SwitchFocus();
  // Where the text starts (x) in a field whose text area is `area`.
  int TextLeft(HDC hdc, const RECT& area, int size) const;

  std::wstring m_tip;
  int m_maxTextSize = 0;
  int m_minTextSize = 0;
  bool m_autoFont = false;
  bool m_center = false;
  int m_marginLeft = 8;
  int m_marginRight = 8;
  bool m_noBackground = false;
  bool m_zoomIn = false;
  bool m_simpleCopy = false;
  DWORD m_sipMode = 0;
  DWORD m_sipFlags = 0;
  bool m_switchFocus = false;
};
