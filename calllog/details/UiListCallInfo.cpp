#include "calllog/details/UiListCallInfo.h"

#include "ce/bstr.h"
#include "contactdata/RegionLookup.h"

namespace {

constexpr int kHeaderHeight = 186;
constexpr int kRowHeight = 82;
// The history row: a margin above its lines and below them, and each line.
constexpr int kHistoryMargin = 60;
constexpr int kHistoryLineHeight = 32;

}  // namespace

UiListCallInfo::UiListCallInfo() : m_ipRule(IpCallRule::FromSettings()) {
  EnableVaryItemHeight(TRUE);
  EnablePressedHoldSupport(TRUE, 500);
}

UiListCallInfo::~UiListCallInfo() = default;

void UiListCallInfo::SetCallInfo(bool missedOnly, int contactId, const qzu::string& number) {
  m_missedOnly = missedOnly;
  m_contactId = contactId;
  m_number = number;
}

void UiListCallInfo::AddRow(int kind, int index) {
  AddItem(L"", MAKELONG(static_cast<WORD>(kind), static_cast<WORD>(index)));
}

int UiListCallInfo::RowKindAt(int row) {
  const ListItem* item = GetItem(row);
  return item ? RowKind(item->data) : -1;
}

int UiListCallInfo::RowIndexAt(int row) {
  const ListItem* item = GetItem(row);
  return item ? RowIndex(item->data) : -1;
}

void UiListCallInfo::AddAllItems() {
  CDebugTime timing(L"UiListCallInfo::AddAllItems");
  RemoveAllItems();
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (db) {
    if (m_contactId == 0) {
      m_contact.DataReset();
      m_contact.AddPhoneNumber(0, m_number, 0, 0);
    } else if (!db->GetContactInfo(m_contactId, m_contact)) {
      db = nullptr;  // the contact is gone: no rows
    }
  }
  if (!db) {
    UpdateScrollRange();
    return;
  }
  m_region.clear();
  wchar_t* region = nullptr;
  if (GetPNRegionInfo(m_number.c_str(), &region)) {
    m_region = qzu::string(region);
    SysFreeString(region);
  }
  if (m_contact.photoData && m_contact.photoLength > 0)
    m_photo.LoadFromBuffer(m_contact.photoData.get(), static_cast<UINT>(m_contact.photoLength), TRUE, TRUE, TRUE);
  else
    m_photo.Unload();

  AddRow(CALL_INFO_HEADER);
  // A hidden caller has no number to call or copy: no row for it.
  for (int i = 0; i < m_contact.phoneNumbers.size(); ++i)
    if (!m_contact.phoneNumbers[i].value.empty()) AddRow(CALL_INFO_NUMBER, i);
  if (m_contactId != 0)
    for (int i = 0; i < m_contact.emails.size(); ++i) AddRow(CALL_INFO_EMAIL, i);
  if (!m_contact.ringPath.empty()) AddRow(CALL_INFO_RING);
  if (!m_number.empty()) AddRow(CALL_INFO_GROUPS);
  if (m_contactId != 0) AddRow(CALL_INFO_SEND);
  AddRow(CALL_INFO_HISTORY);
  LoadCallHistory(true);
  if (static_cast<int>(m_entries.size()) >= kLimitedCalls) AddRow(CALL_INFO_MORE);
  UpdateScrollRange();
}

void UiListCallInfo::LoadCallHistory(bool limited) {
  LoadCallEntries(m_number, m_missedOnly, limited ? kLimitedCalls : kAllCalls, m_entries);
  UpdateScrollRange();
}

void UiListCallInfo::RemoveMoreRow() {
  for (int row = GetItemCount() - 1; row >= 0; --row)
    if (RowKindAt(row) == CALL_INFO_MORE) RemoveItem(row);
  UpdateScrollRange();
}

int UiListCallInfo::CalcItemHeight(int index) {
  switch (RowKindAt(index)) {
    case CALL_INFO_HEADER:
      return kHeaderHeight;
    case CALL_INFO_HISTORY:
      return kHistoryLineHeight * static_cast<int>(m_entries.size()) + kHistoryMargin;
    case -1:
      return 0;
    default:
      return kRowHeight;
  }
}

void UiListCallInfo::OnDrawGradlines(HDC hdc, int index, const RECT& rcItem) {
  if (index == GetItemCount() - 1) return;
  UiList::OnDrawGradlines(hdc, index, rcItem);
}

// ---- touch ----

LRESULT UiListCallInfo::OnLButtonDown(UINT flags, int x, int y) {
  m_holdFired = false;
  m_pressedRow = CalcIndexOfPos(x, y);
  m_pressedPart = -1;
  if (m_pressedRow >= 0) {
    m_pressedPart = 0;
    if (RowKindAt(m_pressedRow) == CALL_INFO_NUMBER) {
      const int rx = x - GetLeft();
      m_pressedPart = rx < kCallPartRight ? 0 : rx < kMessagePartLeft ? 1 : 2;
    }
    InvalidateItem(m_pressedRow);
  }
  return UiList::OnLButtonDown(flags, x, y);
}

LRESULT UiListCallInfo::OnLButtonDblClk(UINT flags, int x, int y) { return OnLButtonDown(flags, x, y); }

LRESULT UiListCallInfo::OnMouseMove(UINT flags, int x, int y) {
  const bool wasMoved = IsMouseMoved();
  LRESULT result = UiList::OnMouseMove(flags, x, y);
  // A finger that travels cancels the press; a tremor within the slop does not.
  if (IsMouseMoved() && !wasMoved && m_pressedRow >= 0) {
    InvalidateItem(m_pressedRow);
    m_pressedRow = -1;
    m_pressedPart = -1;
  }
  return result;
}

LRESULT UiListCallInfo::OnLButtonUp(UINT flags, int x, int y) {
  const bool tap = IsLButtonDown() && !IsMouseMoved() && !IsMouseDownAtScrolling();
  if (tap && !m_holdFired) {
    const int row = CalcIndexOfPos(x, y);
    if (row >= 0 && row == m_pressedRow) PostRowCommand(row, m_pressedPart);
  }
  InvalidateItem(m_pressedRow);
  m_pressedRow = -1;
  m_pressedPart = -1;
  return UiList::OnLButtonUp(flags, x, y);
}

void UiListCallInfo::OnPressedHoldTimeup() {
  if (m_pressedRow <= 0 || IsMouseDownAtScrolling()) return;
  m_holdFired = true;
  PostRowCommand(m_pressedRow, kLongPressPart);
  InvalidateItem(m_pressedRow);
  m_pressedRow = -1;
  m_pressedPart = -1;
  ReleaseCapture();
  ResetLButtonState();
  Invalidate();
  Update();
}

void UiListCallInfo::OnItemClick(int, int) {}

void UiListCallInfo::PostRowCommand(int row, int part) {
  PostCommandMessage(static_cast<UINT>(GetID()), 0, MAKELPARAM(row, part));
}
