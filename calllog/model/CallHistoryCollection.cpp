#include "calllog/model/CallHistoryCollection.h"

#include <utility>

#include "calllog/model/CallTexts.h"
#include "ce/bstr.h"
#include "contactdata/RegionLookup.h"
#include "core/module/Resources.h"
#include "core/rows/RowDrawing.h"

namespace {

constexpr UINT kStrHiddenNumber = 842, kStrUnknownNumber = 752, kStrHint = 849, kStrMoreRecords = 856;
// Call type images 1 to 5 in the image library; the pressed looks follow 5 ids later.
constexpr UINT kCallTypeImages[] = {107, 106, 108, 109, 110};
constexpr UINT kPressedImageOffset = 5;

// The hint's text block: a little in from the row's edges, and clear of the
// delete button while the row is slid open.
constexpr int kHintLeft = 50, kHintTop = 15, kHintBottom = 15;
constexpr int kHintRight = 430, kHintRightSlid = 330;
constexpr COLORREF kHintColour = 0x958E82;
constexpr UINT kHintFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_END_ELLIPSIS;

qzu::string RegionOf(const qzu::string& number) {
  wchar_t* region = nullptr;
  if (!GetPNRegionInfo(number.c_str(), &region)) return qzu::string();
  qzu::string text(region);
  SysFreeString(region);
  return text;
}

}  // namespace

void CallHistoryCollection::LoadCallHistory(bool missedOnly, bool limited) {
  m_missedOnly = missedOnly ? 1 : 0;
  m_rows.clear();
  m_hiddenNumber = LoadResString(kStrHiddenNumber);
  m_unknownNumber = LoadResString(kStrUnknownNumber);
  m_hintText = LoadResString(kStrHint);
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return;
  const int maxCount = limited ? kLimitedThreads : kAllThreads;
  auto list = missedOnly ? &CContactsDbIf::GetMissedCallHistory : &CContactsDbIf::GetCallHistory;
  qzu::string number, name;
  int time = 0, value = 0, type = 0, contactId = 0;
  for (bool first = true; (db->*list)(maxCount, number, time, value, type, name, contactId, first); first = false)
    m_rows.add(MakeCallRow(number, time, value, type, name, contactId));
  if (m_rows.empty()) return;
  CallHistoryItem special;
  if (limited && m_rows.size() == kLimitedThreads) {
    special.rowKind = CALL_ROW_MORE;
    m_rows.add(std::move(special));
  } else if (m_showHint) {
    special.rowKind = CALL_ROW_HINT;
    m_rows.add(std::move(special));
  }
}

CallHistoryItem CallHistoryCollection::MakeCallRow(qzu::string number, int time, int value, int type,
                                                   qzu::string name, int contactId) const {
  CallHistoryItem row;
  row.contactId = contactId;
  row.callType = type;
  SYSTEMTIME local{};
  if (UnixTimetoLocalSystemTime(time, local)) row.dateText = qzu::string(GetDateTimeString(local, 7).GetString());
  CQzStringW duration;
  FormatCallDuration(type, value, duration);
  row.durationText = qzu::string(duration.GetString());
  if (contactId == 0) row.region = RegionOf(number);
  row.number = std::move(number);
  row.name = std::move(name);
  return row;
}

bool CallHistoryCollection::GetItemInfo(int index, int& contactId, qzu::string& number) const {
  const CallHistoryItem* row = GetRow(index);
  if (!row) return false;
  contactId = row->contactId;
  number = row->number;
  return true;
}

const CallHistoryItem* CallHistoryCollection::GetRow(int index) const {
  return m_rows.valid_index(index) ? &m_rows[index] : nullptr;
}

bool CallHistoryCollection::IsCallRow(int index) const {
  return m_rows.valid_index(index) && m_rows[index].rowKind == CALL_ROW_CALL;
}

ImagingHelper* CallHistoryCollection::CallTypeImage(int index, UINT offset) {
  if (!IsCallRow(index)) return nullptr;
  const int type = m_rows[index].callType;
  if (type < CALL_TYPE_OUTGOING || type > CALL_TYPE_BLOCKED) return nullptr;
  return ImagingHelper::GetImageObject(GetImageModule(), kCallTypeImages[type - 1] + offset, TRUE);
}

ImagingHelper* CallHistoryCollection::GetItemImage(int index) { return CallTypeImage(index, 0); }
ImagingHelper* CallHistoryCollection::GetItemImagePressed(int index) {
  return CallTypeImage(index, kPressedImageOffset);
}
ImagingHelper* CallHistoryCollection::GetItemRightImage(int) { return nullptr; }
ImagingHelper* CallHistoryCollection::GetItemRightImagePressed(int) { return nullptr; }

CQzStringW CallHistoryCollection::GetItemText(int index) {
  const CallHistoryItem* row = GetRow(index);
  if (!row) return CQzStringW();
  const qzu::string& text = row->contactId == 0 ? row->number : row->name;
  if (text.empty() && row->rowKind != CALL_ROW_HINT) return m_hiddenNumber;
  return CQzStringW(text.c_str());
}

CQzStringW CallHistoryCollection::GetItemSubText(int index) {
  const CallHistoryItem* row = GetRow(index);
  if (!row) return CQzStringW();
  if (row->rowKind == CALL_ROW_HINT) return m_hintText;
  const qzu::string& text = row->contactId == 0 ? row->region : row->number;
  return text.empty() ? m_unknownNumber : CQzStringW(text.c_str());
}

CQzStringW CallHistoryCollection::GetItemText3(int index) {
  const CallHistoryItem* row = GetRow(index);
  return row ? CQzStringW(row->dateText.c_str()) : CQzStringW();
}

CQzStringW CallHistoryCollection::GetItemText4(int index) {
  const CallHistoryItem* row = GetRow(index);
  return row ? CQzStringW(row->durationText.c_str()) : CQzStringW();
}

int CallHistoryCollection::GetItemCount() { return m_rows.size(); }
void CallHistoryCollection::SetItemSelected(int, BOOL) {}
BOOL CallHistoryCollection::IsItemSelected(int) { return FALSE; }
int CallHistoryCollection::GetItemHeight(int) { return kRowHeight; }
void CallHistoryCollection::OnItemClicked(int) {}

BOOL CallHistoryCollection::CanDeleteItem(int index) {
  const CallHistoryItem* row = GetRow(index);
  return row && row->rowKind != CALL_ROW_MORE;
}

BOOL CallHistoryCollection::IsDrawItemGridline(int index) {
  const CallHistoryItem* row = GetRow(index);
  return !row || row->rowKind != CALL_ROW_MORE;
}

void CallHistoryCollection::DeleteItem(int index) {
  const CallHistoryItem* row = GetRow(index);
  if (!row) return;
  if (row->rowKind == CALL_ROW_CALL) {
    if (CContactsDbIf* db = CContactsDbIf::GetContactDbIf()) {
      db->DeleteCalls(row->number, m_missedOnly);
      db->DeleteCallThread(row->number, m_missedOnly);
    }
  } else if (row->rowKind == CALL_ROW_HINT) {
    m_showHint = false;
  }
  m_rows.remove(index);
}

void CallHistoryCollection::UpdateItemAttribute(UiCustomList* list, int index, ItemAttribute* attr) {
  const CallHistoryItem* row = GetRow(index);
  if (!row || row->rowKind != CALL_ROW_HINT || !attr) return;
  const bool slid = list && list->GetSelectedIndex() == index &&
                    (list->GetSelectMode() == LIST_SELECT_SLIDING || list->GetSelectMode() == LIST_SELECT_DELETE_SHOWN);
  attr->descLeft = kHintLeft;
  attr->descTop = kHintTop;
  attr->descRight = slid ? kHintRightSlid : kHintRight;
  attr->descBottom = kHintBottom;
  attr->pressedLook = FALSE;
  attr->SetDescTextParam(kRowSubTextSize, kHintColour, FW_NORMAL, FALSE, FALSE, kHintFormat);
}

DRAWITEMFUN CallHistoryCollection::GetDrawItemFunPointer(int index) {
  const CallHistoryItem* row = GetRow(index);
  return row && row->rowKind == CALL_ROW_MORE ? &DrawMoreRow : nullptr;
}

void CallHistoryCollection::DrawMoreRow(UiCustomList* list, HDC hdc, int index, const RECT& rcItem) {
  const bool pressed = list && list->GetSelectedIndex() == index;
  DrawPushButtonRow(rcItem, hdc, LoadResString(kStrMoreRecords), nullptr, pressed ? 0 : -1);
}
