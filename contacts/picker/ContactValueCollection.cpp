#include "contacts/picker/ContactValueCollection.h"

#include <algorithm>
#include <map>
#include <utility>

#include "contactdata/GroupNames.h"
#include "contactdata/TypeLabel.h"
#include "contacts/list/GroupCountText.h"
#include "core/module/Resources.h"

namespace {

constexpr UINT kImgContact = 172, kImgContactPressed = 171;  // the toolkit's own
constexpr UINT kImgGroup = 323, kImgGroupPressed = 350;
constexpr UINT kStrUngrouped = 623;
constexpr int kBlacklistGroupId = 1;

ImagingHelper* ToolkitImage(UINT id) { return ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(), id, TRUE); }
ImagingHelper* LibraryImage(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }

int CountingKind(CONTACT_VALUE_SELECT_TYPE type) {
  switch (type) {
    case SELECT_PHONE_NUMBERS:
      return COUNT_MEMBERS_WITH_NUMBER;
    case SELECT_EMAILS:
      return COUNT_MEMBERS_WITH_EMAIL;
    default:
      return COUNT_ALL_MEMBERS;
  }
}

bool HasGroupRows(CONTACT_VALUE_SELECT_TYPE type) {
  return type == SELECT_PHONE_NUMBERS || type == SELECT_EMAILS || type == SELECT_CONTACTS;
}

// The contacts of a group (0: the contacts in no group), read once from the
// store's member list rather than asked about contact by contact: group 0
// has no membership of its own to ask about.
std::unordered_set<int> GroupMemberIds(CContactsDbIf& db, int groupId) {
  std::unordered_set<int> ids;
  int id = 0, type = 0;
  wchar_t letter = L'#';
  qzu::string name, detail;
  for (bool first = true; groupId != 0 ? db.GetContactslist(groupId, id, name, detail, type, letter, first)
                                       : db.GetUngroupContactslist(id, name, detail, type, letter, first);
       first = false)
    ids.insert(id);
  return ids;
}

// Type labels by code, loaded once per list rather than once per row.
class LabelCache {
 public:
  explicit LabelCache(int valueKind) : m_kind(valueKind) {}
  const qzu::string& Get(int type) {
    auto found = m_labels.find(type);
    if (found != m_labels.end()) return found->second;
    qzu::string label(LoadResString(GetTypeLabelId(m_kind, type)).GetString());
    return m_labels.emplace(type, std::move(label)).first->second;
  }

 private:
  int m_kind;
  std::map<int, qzu::string> m_labels;
};

}  // namespace

ContactValueCollection::ContactValueCollection() = default;
ContactValueCollection::~ContactValueCollection() = default;

ImagingHelper* ContactValueCollection::GetItemImage(int) {
  return ShowsContactImage() ? ToolkitImage(kImgContact) : nullptr;
}
ImagingHelper* ContactValueCollection::GetItemRightImage(int index) {
  return IsGroupRow(index) ? LibraryImage(kImgGroup) : nullptr;
}
ImagingHelper* ContactValueCollection::GetItemImagePressed(int) {
  return ShowsContactImage() ? ToolkitImage(kImgContactPressed) : nullptr;
}
ImagingHelper* ContactValueCollection::GetItemRightImagePressed(int index) {
  return IsGroupRow(index) ? LibraryImage(kImgGroupPressed) : nullptr;
}

CQzStringW ContactValueCollection::GetItemText(int index) {
  const ContactValueInfo* row = GetRow(index);
  return row ? CQzStringW(row->name.c_str()) : CQzStringW();
}
CQzStringW ContactValueCollection::GetItemSubText(int index) {
  const ContactValueInfo* row = GetRow(index);
  return row ? CQzStringW(row->value.c_str()) : CQzStringW();
}
CQzStringW ContactValueCollection::GetItemText3(int) { return CQzStringW(); }
CQzStringW ContactValueCollection::GetItemText4(int) { return CQzStringW(); }
int ContactValueCollection::GetItemCount() { return m_rows.size(); }
BOOL ContactValueCollection::CanDeleteItem(int) { return FALSE; }
void ContactValueCollection::OnItemClicked(int) {}
void ContactValueCollection::DeleteItem(int) {}

BOOL ContactValueCollection::IsItemSelected(int index) {
  const ContactValueInfo* row = GetRow(index);
  return row && row->selected;
}

int ContactValueCollection::GetItemHeight(int index) {
  if (!m_groupOpen) return kRowHeight;
  const ContactValueInfo* row = GetRow(index);
  return row && !row->isGroup && row->inOpenedGroup ? kRowHeight : 0;
}

void ContactValueCollection::SetItemSelected(int index, BOOL selected) {
  if (!m_rows.valid_index(index)) return;
  ContactValueInfo& row = m_rows[index];
  row.selected = selected != FALSE;
  if (!row.isGroup) return;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return;
  const std::unordered_set<int> members = GroupMemberIds(*db, row.id);
  for (int i = m_firstValueRow; i < m_rows.size(); ++i)
    if (members.contains(m_rows[i].id)) m_rows[i].selected = selected != FALSE;
}

void ContactValueCollection::LoadValues(int preselectedContact) {
  m_rows.clear();
  m_firstValueRow = 0;
  m_preselectedRow = -1;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  if (!db) return;
  if (HasGroupRows(m_type)) LoadGroupRows(*db);
  m_firstValueRow = m_rows.size();
  LoadValueRows(*db, preselectedContact);
}

void ContactValueCollection::LoadGroupRows(CContactsDbIf& db) {
  const int countingKind = CountingKind(m_type);
  int id = 0, count = 0;
  qzu::string storedName;
  for (bool first = true; db.GetGroupInfo(countingKind, id, storedName, count, first); first = false) {
    if (count <= 0 || id == kBlacklistGroupId) continue;
    ContactValueInfo row;
    row.id = id;
    row.name = GetGroupDisplayName(storedName);
    row.label = GroupCountText(count);
    row.isGroup = true;
    m_rows.add(std::move(row));
  }
  const int ungrouped = db.GetUngroupContactsCount(countingKind);
  if (ungrouped > 0) {
    ContactValueInfo row;
    row.name = qzu::string(LoadResString(kStrUngrouped).GetString());
    row.label = GroupCountText(ungrouped);
    row.isGroup = true;
    m_rows.add(std::move(row));
  }
}

void ContactValueCollection::LoadValueRows(CContactsDbIf& db, int preselectedContact) {
  LabelCache labels(m_type == SELECT_EMAILS ? VALUE_KIND_EMAIL : VALUE_KIND_PHONE);
  ContactValueInfo row;
  int type = 0;
  auto next = [&](bool first) {
    row.letter = L'#';
    switch (m_type) {
      case SELECT_PHONE_NUMBERS:
        return db.GetContactsPNlist(L"", row.id, row.name, row.value, type, row.letter, first);
      case SELECT_EMAILS:
        return db.GetContactsEmaillist(L"", row.id, row.name, row.value, type, row.letter, first);
      case SELECT_ONE_PHONE_NUMBER:
        return db.GetPhoneNumberlist(row.id, row.name, row.value, type, row.letter, first);
      default:
        return db.GetContactslist(row.id, row.name, row.value, type, row.letter, first);
    }
  };
  const bool contactRows = m_type == SELECT_ONE_CONTACT || m_type == SELECT_CONTACTS;
  for (bool first = true; next(first); first = false) {
    row.label = labels.Get(type);
    row.selected = false;
    if (contactRows && preselectedContact > 0 && row.id == preselectedContact && m_preselectedRow < 0) {
      m_preselectedRow = m_rows.size();
      row.selected = m_type == SELECT_CONTACTS;
    }
    m_rows.add(std::move(row));
  }
}

void ContactValueCollection::OpenGroup(int groupId) {
  m_openedGroupId = groupId;
  m_groupOpen = true;
  CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
  const std::unordered_set<int> members = db ? GroupMemberIds(*db, groupId) : std::unordered_set<int>();
  for (int i = m_firstValueRow; i < m_rows.size(); ++i) m_rows[i].inOpenedGroup = members.contains(m_rows[i].id);
}

void ContactValueCollection::CloseGroup() {
  m_groupOpen = false;
  m_openedGroupId = 0;
}

void ContactValueCollection::SelectAll(bool selected) {
  for (ContactValueInfo& row : m_rows) row.selected = selected;
}

int ContactValueCollection::GetSelectedValueCount() const {
  int count = 0;
  for (int i = m_firstValueRow; i < m_rows.size(); ++i) count += m_rows[i].selected ? 1 : 0;
  return count;
}

int ContactValueCollection::FindLetterRow(wchar_t letter, int start) const {
  const auto wanted = static_cast<uint16_t>(letter);
  for (int i = std::max(start, m_firstValueRow); i < m_rows.size(); ++i)
    if (static_cast<uint16_t>(m_rows[i].letter) >= wanted) return i;
  return -1;
}

const ContactValueInfo* ContactValueCollection::GetRow(int index) const {
  return m_rows.valid_index(index) ? &m_rows[index] : nullptr;
}

void ContactValueCollection::AppendSelectedValues(qzu::array<ContactValueInfo>& out) const {
  for (int i = m_firstValueRow; i < m_rows.size(); ++i)
    if (m_rows[i].selected) out.add(m_rows[i]);
}
