#include "contacts/groups/UiListGroupPicker.h"

#include "contactdata/GroupNames.h"
#include "core/module/Resources.h"

namespace {

constexpr UINT kStrBlacklist = 677;  // "黑名单"
constexpr UINT kImageUnticked = 110;
constexpr UINT kImageTicked = 111;
constexpr int kCheckColumnWidth = 86;
constexpr int kTextSize = 27;
constexpr UINT kTextFormat = 0x2024;  // one line, vertically centred
const qzu::string kBlacklistStoredName = L"_$!<Blacklist>!$_";

}  // namespace

UiListGroupPicker::UiListGroupPicker() { SetItemHeight(82); }

UiListGroupPicker::~UiListGroupPicker() { m_chosen.clear(); }

void UiListGroupPicker::LoadGroups(bool strangerOnly) {
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!strangerOnly && db) {
    int id = 0;
    int count = 0;
    qzu::string name;
    for (bool first = true; db->GetGroupInfo(0, id, name, count, first); first = false) {
      if (name == kBlacklistStoredName)
        m_blacklistId = id;
      else
        AddItem(name.c_str(), static_cast<DWORD>(id));
    }
  }
  AddItem(LoadResString(kStrBlacklist), static_cast<DWORD>(m_blacklistId));
  UpdateScrollRange();
}

bool UiListGroupPicker::SetGroupChosen(int groupId) {
  m_blacklistChosen = groupId == m_blacklistId;
  m_chosen.insert(groupId);
  return true;
}

qzu::array<int> UiListGroupPicker::GetChosenGroupIds() const {
  qzu::array<int> ids;
  if (m_blacklistChosen) {
    ids.add(m_blacklistId);
    return ids;
  }
  for (int id : m_chosen) ids.add(id);
  return ids;
}

qzu::array<qzu::string> UiListGroupPicker::GetChosenGroupNames() {
  qzu::array<qzu::string> names;
  for (int i = 0; i < GetItemCount(); ++i) {
    const ListItem* item = GetItem(i);
    if (m_chosen.count(static_cast<int>(item->data))) names.add(qzu::string(item->text.c_str()));
  }
  return names;
}

bool UiListGroupPicker::IsBlacklistRow(int index) {
  const ListItem* item = GetItem(index);
  return item && static_cast<int>(item->data) == m_blacklistId;
}

bool UiListGroupPicker::IsRowChosen(int index) {
  const ListItem* item = GetItem(index);
  if (!item) return false;
  if (IsBlacklistRow(index)) return m_blacklistChosen;
  return m_chosen.count(static_cast<int>(item->data)) != 0;
}

void UiListGroupPicker::OpenForContact(int id, int width, int height, const qzu::array<int>& groupIds) {
  Open(id, width, height, false);
  for (int groupId : groupIds) SetGroupChosen(groupId);
}

void UiListGroupPicker::OpenForStranger(int id, int width, int height) { Open(id, width, height, true); }

void UiListGroupPicker::Open(int id, int width, int height, bool strangerOnly) {
  SetID(id);
  SetPos(0, 0, width, height);
  LoadGroups(strangerOnly);
}

void UiListGroupPicker::UnselectPressedRow() {
  int pressed = GetSelectedIndex();
  if (pressed < 0) return;
  SetSelectedIndex(-1);
  InvalidateItem(pressed);
  Update();
}

LRESULT UiListGroupPicker::OnLButtonDown(UINT flags, int x, int y) {
  UiList::OnLButtonDown(flags, x, y);
  int row = IsMouseDownAtScrolling() ? -1 : CalcIndexOfPos(x, y);
  SetSelectedIndex(row);
  if (row >= 0) {
    InvalidateItem(row);
    Update();
  }
  return 0;
}

// A finger that travelled beyond the toolkit's slop drags the list; the row
// under it then loses its pressed look. Smaller tremors keep the press.
LRESULT UiListGroupPicker::OnMouseMove(UINT flags, int x, int y) {
  UiList::OnMouseMove(flags, x, y);
  if (IsMouseMoved()) UnselectPressedRow();
  return 0;
}

LRESULT UiListGroupPicker::OnLButtonUp(UINT flags, int x, int y) {
  bool tap = IsLButtonDown() && !IsMouseMoved() && !IsMouseDownAtScrolling();
  UiList::OnLButtonUp(flags, x, y);
  int row = CalcIndexOfPos(x, y);
  UnselectPressedRow();
  if (row < 0 || !tap) return 0;
  int id = static_cast<int>(GetItem(row)->data);
  if (id == m_blacklistId) {
    m_blacklistChosen = !m_blacklistChosen;
    m_chosen.clear();
    if (m_blacklistChosen) SetGroupChosen(m_blacklistId);
  } else if (!m_blacklistChosen) {
    if (m_chosen.count(id))
      m_chosen.erase(id);
    else
      SetGroupChosen(id);
  }
  Invalidate();
  Update();
  return 0;
}

void UiListGroupPicker::DrawItem(HDC hdc, int index, const RECT& rcItem) {
  const ListItem* item = GetItem(index);
  if (!item) return;
  bool blacklistRow = IsBlacklistRow(index);
  if (blacklistRow) {
    HBRUSH grey = CreateSolidBrush(kBlacklistRowColour);
    FillRect(hdc, &rcItem, grey);
    DeleteObject(grey);
  }
  if (index == GetSelectedIndex()) QzDrawSelectedBg_NoLine(hdc, rcItem);

  RECT check{rcItem.left, rcItem.top, rcItem.left + kCheckColumnWidth, rcItem.bottom};
  ImagingHelper* mark = ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(),
                                                      IsRowChosen(index) ? kImageTicked : kImageUnticked, TRUE);
  mark->Draw(hdc, check, FALSE, FALSE);

  RECT text{rcItem.left + kCheckColumnWidth, rcItem.top, rcItem.right, rcItem.bottom};
  HGDIOBJ oldFont = SelectObject(hdc, FontHelper::GetFont(kTextSize, FW_NORMAL, 0, 0, 0, 0));
  int oldMode = SetBkMode(hdc, TRANSPARENT);
  COLORREF oldColour = ::SetTextColor(hdc, !blacklistRow && m_blacklistChosen ? kExcludedTextColour : 0);
  qzu::string shown = GetGroupDisplayName(qzu::string(item->text.c_str()));
  QzDrawText(hdc, shown.c_str(), text, kTextFormat);
  ::SetTextColor(hdc, oldColour);
  SetBkMode(hdc, oldMode);
  SelectObject(hdc, oldFont);
}
