#include "contacts/editor/BirthdayPicker.h"

#include <algorithm>

#include "ce/time.h"
#include "contacts/BirthdayText.h"
#include "core/module/Resources.h"
#include "platform/PimContract.h"

namespace {

constexpr int kFirstYear = 1923;
constexpr int kLastYear = 2099;
constexpr int kColumnWidth = 140;
constexpr int kMonths = 12;
constexpr int kAnimation = 15;
constexpr UINT kStrYear = 647, kStrMonth = 648, kStrDay = 649, kStrBirthday = 664;

}  // namespace

SYSTEMTIME BirthdayPickerStart(const qzu::string& birthday) {
  SYSTEMTIME date{};
  if (!ParseBirthday(birthday, date)) GetLocalTime(&date);
  date.wYear = static_cast<WORD>(std::clamp<int>(date.wYear, kFirstYear, kLastYear));
  date.wDay = static_cast<WORD>(std::min<int>(date.wDay, MaxDaysInMonth(date.wMonth, date.wYear)));
  return date;
}

bool PickBirthday(HWND owner, CContactInfo& record) {
  const SYSTEMTIME start = BirthdayPickerStart(record.birthday);
  QzSetDaily picker;
  picker.SetColumn(0, kColumnWidth, LoadResString(kStrYear), kLastYear - kFirstYear + 1, start.wYear - kFirstYear);
  picker.SetColumn(1, kColumnWidth, LoadResString(kStrMonth), kMonths, start.wMonth - 1);
  picker.SetColumn(2, kColumnWidth, LoadResString(kStrDay), MaxDaysInMonth(start.wMonth, start.wYear),
                   start.wDay - 1);
  picker.EnableYearDisplay(TRUE, kFirstYear);
  picker.SetWindowText(LoadResString(kStrBirthday));
  picker.EnableItemDataChange(TRUE);
  RECT wa = QzGetWorkArea();
  if (!picker.Create(wa.left, wa.top, wa.right - wa.left, wa.bottom - wa.top, owner, 0, WS_POPUP)) return false;
  picker.SetAnimateType_Show(kAnimation);
  picker.SetAnimateType_Hide(kAnimation);
  const int result = picker.DoModal(TRUE);
  const qzu::string chosen = FormatBirthday(picker.GetYear(), picker.GetMonth(), picker.GetDay());
  picker.DestroyWindow();
  if (result != 1) return false;
  record.UpdateBirthday(chosen);
  if (record.contactId > 0)
    if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) db->UpdateBirthday(record.contactId, chosen);
  return true;
}
