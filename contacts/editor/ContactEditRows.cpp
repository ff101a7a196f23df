#include "contacts/editor/ContactEditRows.h"

#include "core/module/Resources.h"
#include "core/util/FileBaseName.h"

namespace {

constexpr UINT kStrDefaultRing = 619;

// Zone boundaries along the row.
constexpr int kStarRight = 80;
constexpr int kButtonLeft = 374;
constexpr int kPhotoRight = 200;
constexpr int kAddButtonsMiddle = 240;

void AddValueRows(std::vector<EditRow>& rows, int kind, int count) {
  for (int i = 0; i < count; ++i) rows.push_back(EditRow{kind, i, {}});
}

}  // namespace

std::vector<EditRow> BuildEditRows(const CContactInfo& record, int mode) {
  std::vector<EditRow> rows;
  rows.reserve(static_cast<size_t>(8 + record.phoneNumbers.size() + record.emails.size() + record.qqNumbers.size() +
                                   record.msnAccounts.size() + record.webPages.size() + record.addresses.size()));
  rows.push_back(EditRow{EDIT_ROW_HEADER, 0, {}});
  if (mode < EDIT_MODE_ADD_ITEM) rows.push_back(EditRow{EDIT_ROW_ADD_BUTTONS, 0, {}});
  AddValueRows(rows, EDIT_ROW_PHONE, record.phoneNumbers.size());
  AddValueRows(rows, EDIT_ROW_EMAIL, record.emails.size());
  AddValueRows(rows, EDIT_ROW_QQ, record.qqNumbers.size());
  AddValueRows(rows, EDIT_ROW_MSN, record.msnAccounts.size());
  AddValueRows(rows, EDIT_ROW_WEB_PAGE, record.webPages.size());
  for (int i = 0; i < record.addresses.size(); ++i)
    rows.push_back(EditRow{EDIT_ROW_ADDRESS, i, ComposeAddress(record.addresses[i])});
  if (!record.note.empty()) rows.push_back(EditRow{EDIT_ROW_NOTE, 0, record.note});
  if (!record.birthday.empty()) rows.push_back(EditRow{EDIT_ROW_BIRTHDAY, 0, {}});
  rows.push_back(EditRow{EDIT_ROW_RING, 0, RingToneName(record.ringPath)});
  rows.push_back(EditRow{EDIT_ROW_GROUPS, 0, {}});
  return rows;
}

qzu::string RingToneName(const qzu::string& ringPath) {
  if (ringPath.empty()) return qzu::string(LoadResString(kStrDefaultRing).GetString());
  return qzu::string(GetFileBaseName(ringPath.c_str()).GetString());
}

int EditRowZone(int kind, int x) {
  switch (kind) {
    case EDIT_ROW_HEADER:
      if (x < kPhotoRight) return 0;
      return x < kButtonLeft ? 1 : kNoZone;
    case EDIT_ROW_PHONE:
      if (x < kStarRight) return 0;
      return x < kButtonLeft ? 1 : 2;
    case EDIT_ROW_ADD_BUTTONS:
      return x < kAddButtonsMiddle ? 0 : 1;
    case EDIT_ROW_RING:
    case EDIT_ROW_GROUPS:
      return 0;
    default:
      if (kind >= EDIT_ROW_EMAIL && kind <= EDIT_ROW_NOTE) return x < kButtonLeft ? 0 : 1;
      return kNoZone;
  }
}

int DeleteButtonZone(int kind) {
  if (kind == EDIT_ROW_PHONE) return 2;
  if (kind >= EDIT_ROW_EMAIL && kind <= EDIT_ROW_NOTE) return 1;
  return kNoZone;
}
