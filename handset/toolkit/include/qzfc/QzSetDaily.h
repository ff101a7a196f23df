// QzSetDaily: the modal date picker. Three wheels (columns 0, 1 and 2: year,
// month, day, each given its width, label, entry count and initial entry)
// above a bar with a cancel and a confirm button; DoModal ends with 1 on
// confirm and 2 on cancel. Entry i of the year column is the first year
// plus i (with year display on), of the others i + 1. With item-data change
// on, the day column follows the chosen month and year (28 to 31 entries).
#pragma once

#include <memory>

#include "qzfc/QzWndEx.h"

namespace qzfc {
class DateColumn;
class DialogButton;
}  // namespace qzfc

#define QZ_DAILY_CONFIRM_ID 1
#define QZ_DAILY_CANCEL_ID 2

class QzSetDaily : public CQzWndEx {
 public:
  static constexpr int kColumns = 3;
  static constexpr int kFirstColumnId = 10;  // control id of column 0; the others follow
  static constexpr int kBarHeight = 70;

  QzSetDaily();
  ~QzSetDaily() override;

  LPCWSTR GetQzClassName() override;
  BOOL OnInitDialog() override;
  LRESULT OnQzCommand(WPARAM wParam, LPARAM lParam) override;

  // Sets up column 0, 1 or 2; false for another column or a count below 1.
  BOOL SetColumn(int column, int width, LPCWSTR label, int count, int initial);
  void EnableYearDisplay(BOOL enable, int firstYear = 1923);
  void EnableItemDataChange(BOOL enable) { m_followMonth = enable != FALSE; }
  int GetSelectedIndex(int column) const;
  int GetItemCount(int column) const;
  // The chosen date (with year display on).
  int GetYear() const;
  int GetMonth() const { return GetSelectedIndex(1) + 1; }
  int GetDay() const { return GetSelectedIndex(2) + 1; }

 private:
  void FollowMonth();

  std::unique_ptr<qzfc::DateColumn> m_columns[kColumns];
  std::unique_ptr<qzfc::DialogButton> m_cancel, m_confirm;
  int m_widths[kColumns] = {140, 140, 140};
  bool m_yearDisplay = false;
  int m_firstYear = 1923;
  bool m_followMonth = false;
};
