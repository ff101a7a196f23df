#include "contacts/editor/EditRowPainter.h"

#include "contactdata/GroupNames.h"
#include "contactdata/TypeLabel.h"
#include "contacts/BirthdayText.h"
#include "contacts/editor/ContactEditKinds.h"
#include "core/module/Resources.h"
#include "core/rows/RowDrawing.h"

namespace {

constexpr int kHeaderHeight = 186;
constexpr int kRowHeight = 82;
constexpr int kRowWidth = 480;

constexpr UINT kStrName = 605, kStrCompany = 640, kStrRing = 607, kStrGroup = 691, kStrUngrouped = 623;
constexpr UINT kStrEmail = 608, kStrAddress = 610, kStrQQ = 662, kStrMsn = 663, kStrWebPage = 609;
constexpr UINT kStrBirthday = 664, kStrNote = 665, kStrAddNumber = 651, kStrAddOther = 661;

// Images of the image library: (normal, pressed) pairs of the left column.
struct ImagePair {
  UINT normal, pressed;
};
constexpr ImagePair kPrimaryStar{351, 352}, kOtherStar{353, 354}, kRing{359, 358}, kGroups{323, 350};
constexpr ImagePair kEmail{310, 309}, kAddress{304, 303}, kQQ{316, 315}, kMsn{313, 312}, kWebPage{319, 318};
constexpr ImagePair kBirthday{307, 306}, kNote{322, 321};
constexpr ImagePair kDelete{368, 369};
// The toolkit's own images: the confirm button and the disclosure arrow.
constexpr ImagePair kConfirmDelete{318, 319}, kArrow{152, 326};

ImagingHelper* LibraryImage(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }
ImagingHelper* ToolkitImage(UINT id) { return ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(), id, TRUE); }
ImagingHelper* Pick(ImagePair pair, bool pressed) { return LibraryImage(pressed ? pair.pressed : pair.normal); }

CQzStringW OrString(const qzu::string& text, UINT fallback) {
  return text.empty() ? LoadResString(fallback) : CQzStringW(text.c_str());
}

// The label and value of the single-line value rows (kinds 5, 7 to 10).
struct LabelValue {
  UINT label;
  ImagePair image;
  CQzStringW value;
};

LabelValue ValueRowTexts(const CContactInfo& record, const EditRowLook& row) {
  auto entry = [&](const qzu::array<st_contacts_extra>& entries) {
    return entries.valid_index(row.index) ? CQzStringW(entries[row.index].value.c_str()) : CQzStringW();
  };
  switch (row.kind) {
    case EDIT_ROW_EMAIL:
      return {kStrEmail, kEmail, entry(record.emails)};
    case EDIT_ROW_QQ:
      return {kStrQQ, kQQ, entry(record.qqNumbers)};
    case EDIT_ROW_MSN:
      return {kStrMsn, kMsn, entry(record.msnAccounts)};
    case EDIT_ROW_WEB_PAGE:
      return {kStrWebPage, kWebPage, entry(record.webPages)};
    default:
      return {kStrBirthday, kBirthday, BirthdayDisplayText(record.birthday)};
  }
}

ImagingHelper* DeleteButton(const EditRowLook& row, int buttonZone) {
  bool pressed = row.pressedZone == buttonZone;
  return row.armed ? ToolkitImage(pressed ? kConfirmDelete.pressed : kConfirmDelete.normal) : Pick(kDelete, pressed);
}

void DrawPhoneRow(HDC dc, const RECT& rc, const CContactInfo& record, const EditRowLook& row) {
  if (!record.phoneNumbers.valid_index(row.index)) return;
  const st_contacts_extra& phone = record.phoneNumbers[row.index];
  ImagingHelper* star = Pick(phone.primary ? kPrimaryStar : kOtherStar, row.pressedZone == 0);
  CQzStringW type = LoadResString(GetTypeLabelId(VALUE_KIND_PHONE, phone.type));
  DrawNumberRow(rc, dc, star, DeleteButton(row, 2), phone.value.c_str(), type, row.pressedZone);
}

}  // namespace

void DrawEditRow(HDC dc, const RECT& rc, const CContactInfo& record, const EditRowLook& row) {
  const bool zone0 = row.pressedZone == 0;
  switch (row.kind) {
    case EDIT_ROW_HEADER:
      DrawHeaderRow(rc, dc, row.photo, OrString(record.fileAs, kStrName), OrString(record.company, kStrCompany),
                    L"", nullptr, HEADER_ROW_EDITOR);
      break;
    case EDIT_ROW_PHONE:
      DrawPhoneRow(dc, rc, record, row);
      break;
    case EDIT_ROW_ADD_BUTTONS:
      DrawPushButtonRow(rc, dc, LoadResString(kStrAddNumber), LoadResString(kStrAddOther), row.pressedZone);
      break;
    case EDIT_ROW_RING:
      DrawLabelValueRow(rc, dc, Pick(kRing, zone0), ToolkitImage(zone0 ? kArrow.pressed : kArrow.normal),
                        LoadResString(kStrRing), row.text, zone0);
      break;
    case EDIT_ROW_GROUPS:
      DrawLabelValueRow(rc, dc, Pick(kGroups, zone0), ToolkitImage(zone0 ? kArrow.pressed : kArrow.normal),
                        LoadResString(kStrGroup), OrString(GetComboGroupName(record.categories), kStrUngrouped),
                        zone0);
      break;
    case EDIT_ROW_ADDRESS:
    case EDIT_ROW_NOTE: {
      const bool address = row.kind == EDIT_ROW_ADDRESS;
      DrawMultiLineRow(rc, dc, Pick(address ? kAddress : kNote, row.pressedZone >= 0), DeleteButton(row, 1),
                       LoadResString(address ? kStrAddress : kStrNote), row.text, row.pressedZone, MULTI_LINE_DRAW,
                       MULTI_LINE_RIGHT_BUTTON);
      break;
    }
    case EDIT_ROW_EMAIL:
    case EDIT_ROW_QQ:
    case EDIT_ROW_MSN:
    case EDIT_ROW_WEB_PAGE:
    case EDIT_ROW_BIRTHDAY: {
      LabelValue texts = ValueRowTexts(record, row);
      DrawLabelValueButtonRow(rc, dc, Pick(texts.image, zone0), DeleteButton(row, 1), LoadResString(texts.label),
                              texts.value, row.pressedZone);
      break;
    }
    default:
      break;
  }
}

int MeasureEditRow(int kind, LPCWSTR text) {
  switch (kind) {
    case EDIT_ROW_HEADER:
      return kHeaderHeight;
    case EDIT_ROW_ADDRESS:
    case EDIT_ROW_NOTE:
      if (!text || !*text) return kRowHeight;
      // Measured as drawn, beside the delete button, so that no line is cut.
      return DrawMultiLineRow(RECT{0, 0, kRowWidth, kRowHeight}, nullptr, nullptr, nullptr, nullptr, text, -1,
                              MULTI_LINE_MEASURE, MULTI_LINE_RIGHT_BUTTON);
    default:
      return kind >= EDIT_ROW_PHONE && kind <= EDIT_ROW_BIRTHDAY ? kRowHeight : 0;
  }
}
