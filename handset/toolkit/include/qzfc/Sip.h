// Sip: the soft keyboard. It takes the bottom 300 pixels of the screen while
// a field with an input-panel mode has the focus, in a layout chosen by that
// mode, and sends what is typed on it as WM_CHAR to the field's window (which
// hands it to its focused control). QzCloseSip hides it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ce/types.h"

class UiWin;

namespace qzfc {

enum class SipLayout {
  None,    // the field brings no keyboard (modes outside the table, e.g. the dial field's)
  Digits,  // digits and dial symbols: modes 9 and 10
  Latin,   // Latin letters
  Email,   // letters with e-mail symbols: mode 3
  Web,     // letters with web symbols: mode 4
  Pinyin,  // letters that compose pinyin into characters: modes 1 and 7
};

SipLayout SipLayoutForMode(DWORD mode);

class SipWnd;

class Sip {
 public:
  static constexpr int kHeight = 300;

  static Sip& Instance();

  // Brings the keyboard up for `field` in the layout of `mode`; true when it
  // came up now (it was not showing before). `dismissed` runs when the user
  // puts the keyboard away with its own key while it serves `field` (a
  // single-line edit then notifies QZ_EN_SIP with extra 0).
  bool ShowFor(UiWin* field, DWORD mode, std::function<void()> dismissed = {});
  // Takes the keyboard down if it serves `field`.
  void ReleaseFor(UiWin* field);
  // The field is going away: drops the keyboard made for it.
  void Forget(UiWin* field);
  void Hide();
  // The keyboard's own hide key: hides it and tells the field it served
  // (the field keeps the focus).
  void Dismiss();

  bool IsVisible() const;
  SipLayout Layout() const;
  UiWin* Field() const { return field_; }
  // The screen rectangle the keyboard covers (empty while hidden).
  RECT ScreenRect() const;
  // The screen rectangle of the key with this label (empty when none).
  RECT KeyRect(const std::wstring& label) const;
  // The pinyin being composed and its candidates (Pinyin layout).
  std::wstring Composition() const;
  std::wstring Candidates() const;

 private:
  Sip();
  ~Sip();
  // Drops a replaced window, and those replaced before it, unless a key's
  // handler is still running in it.
  void Retire(std::unique_ptr<SipWnd> wnd);
  std::unique_ptr<SipWnd> wnd_;
  // Replaced windows that were running a key's handler.
  std::vector<std::unique_ptr<SipWnd>> retired_;
  UiWin* field_ = nullptr;
  std::function<void()> dismissed_;
};

}  // namespace qzfc
