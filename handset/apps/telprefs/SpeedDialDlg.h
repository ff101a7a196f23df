// The dialog for one speed-dial entry: its name and number, and whether a
// long press dials at once or puts the number in the dial field. Saving
// with an empty number clears the entry.
#pragma once

#include "PhoneSettingsValues.h"
#include "qzfc/QzWndEx.h"
#include "qzfc/UiButton.h"
#include "qzfc/UiSingleLineEdit.h"
#include "qzfc/UiToolBarPro.h"

namespace telhub {

class SpeedDialDlg : public CQzWndEx {
 public:
  enum ControlId { ID_TOOL_BAR = 1, ID_NAME = 2, ID_NUMBER = 3, ID_FILL_FIELD = 4 };

  SpeedDialDlg(int entry, SpeedDialEntry value) : entry_(entry), value_(std::move(value)) {}

  LPCWSTR GetQzClassName() override { return L"SpeedDialDlg"; }
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;

  // The entry as saved (valid after DoModal returned 1).
  const SpeedDialEntry& Value() const { return value_; }

 private:
  int entry_;
  SpeedDialEntry value_;
  UiToolBarPro toolBar_;
  UiSingleLineEdit name_, number_;
  UiButton fillField_;
};

}  // namespace telhub
