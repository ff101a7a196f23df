// The phone settings screen: the IP-call prefix, the national code,
// rejecting numbers not in the contacts, key clicks, and the nine speed-dial
// entries (a tap opens an entry's dialog). Save stores what changed and
// closes, or says so and stays when a value could not be stored; cancel
// closes without storing.
#pragma once

#include <array>
#include <functional>

#include "PhoneSettingsValues.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiButton.h"
#include "qzfc/UiSingleLineEdit.h"
#include "qzfc/UiStatic.h"
#include "qzfc/UiToolBarPro.h"

namespace telhub {

class TelPrefsWnd : public CQzWndEx {
 public:
  enum ControlId {
    ID_TOOL_BAR = 1,
    ID_IP_PREFIX = 2,
    ID_NATIONAL_CODE = 3,
    ID_REJECT = 4,
    ID_KEY_CLICKS = 5,
    ID_SPEED_DIAL_FIRST = 11,  // entries 1 to 9: 11 to 19
  };

  // `closed` runs when the screen may go (after saving or cancelling).
  explicit TelPrefsWnd(std::function<void()> closed);

  LPCWSTR GetQzClassName() override { return L"TelPrefsWnd"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;

  const PhoneSettingsValues& Values() const { return values_; }

 private:
  void AddRow(UiStatic& label, const wchar_t* text, int y);
  void AddToggle(UiButton& toggle, int id, bool on, int y);
  void ShowSpeedDial(int entry);
  void EditSpeedDial(int entry);
  void Save();

  std::function<void()> closed_;
  PhoneSettingsValues stored_, values_;
  UiToolBarPro toolBar_;
  UiStatic ipLabel_, codeLabel_, speedDialHeader_;
  UiSingleLineEdit ipPrefix_, nationalCode_;
  UiButton reject_, keyClicks_;
  std::array<UiButton, 9> speedDial_;
};

}  // namespace telhub
