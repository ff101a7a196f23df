#include "qzfc/QzSetDaily.h"

#include <algorithm>

#include "dialogs/DateColumn.h"
#include "dialogs/DialogButton.h"
#include "qzfc/QzDateTime.h"

QzSetDaily::QzSetDaily() {
  for (int i = 0; i < kColumns; ++i) {
    m_columns[i] = std::make_unique<qzfc::DateColumn>();
    m_columns[i]->SetID(kFirstColumnId + i);
  }
  m_columns[0]->SetOnChange([this] { FollowMonth(); });
  m_columns[1]->SetOnChange([this] { FollowMonth(); });
}

QzSetDaily::~QzSetDaily() { DestroyWindow(); }

LPCWSTR QzSetDaily::GetQzClassName() { return L"QzSetDaily"; }

BOOL QzSetDaily::SetColumn(int column, int width, LPCWSTR label, int count, int initial) {
  if (column < 0 || column >= kColumns || count < 1 || width < 1) return FALSE;
  m_widths[column] = width;
  m_columns[column]->SetLabel(label ? label : L"");
  m_columns[column]->SetCount(count);
  m_columns[column]->SetSelected(initial);
  return TRUE;
}

void QzSetDaily::EnableYearDisplay(BOOL enable, int firstYear) {
  m_yearDisplay = enable != FALSE;
  m_firstYear = firstYear;
}

int QzSetDaily::GetSelectedIndex(int column) const {
  return column >= 0 && column < kColumns ? m_columns[column]->GetSelected() : -1;
}

int QzSetDaily::GetItemCount(int column) const {
  return column >= 0 && column < kColumns ? m_columns[column]->GetCount() : 0;
}

int QzSetDaily::GetYear() const { return (m_yearDisplay ? m_firstYear : 1) + GetSelectedIndex(0); }

void QzSetDaily::FollowMonth() {
  if (!m_followMonth || !m_yearDisplay) return;
  const int days = MaxDaysInMonth(GetMonth(), GetYear());
  if (days < 1 || days == m_columns[2]->GetCount()) return;
  m_columns[2]->SetCount(days);  // keeps the chosen day inside the month
  m_columns[2]->Invalidate();
}

BOOL QzSetDaily::OnInitDialog() {
  if (!CQzWndEx::OnInitDialog()) return FALSE;
  const int width = GetWidth();
  const int height = GetHeight();
  m_columns[0]->SetFirstValue(m_yearDisplay ? m_firstYear : 1);
  int total = 0;
  for (int w : m_widths) total += w;
  int x = std::max(0, (width - total) / 2);
  for (int i = 0; i < kColumns; ++i) {
    m_columns[i]->SetPos(x, 0, m_widths[i], height - kBarHeight);
    x += m_widths[i];
    AddUiWin(m_columns[i].get());
  }
  FollowMonth();
  m_cancel = std::make_unique<qzfc::DialogButton>(QZ_DAILY_CANCEL_ID, RECT{0, height - kBarHeight, width / 2, height},
                                                  L"取消", false);
  m_confirm = std::make_unique<qzfc::DialogButton>(QZ_DAILY_CONFIRM_ID,
                                                   RECT{width / 2, height - kBarHeight, width, height}, L"确定", true);
  AddUiWin(m_cancel.get());
  AddUiWin(m_confirm.get());
  return TRUE;
}

LRESULT QzSetDaily::OnQzCommand(WPARAM wParam, LPARAM) {
  switch (LOWORD(wParam)) {
    case QZ_DAILY_CONFIRM_ID: EndModal(1); break;
    case QZ_DAILY_CANCEL_ID: EndModal(2); break;
    default: break;
  }
  return 0;
}
