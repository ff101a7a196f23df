#include "contacts/details/UiListContactInfo.h"

#include "contactdata/AddressText.h"
#include "contactdata/GroupNames.h"
#include "contactdata/TypeLabel.h"
#include "core/module/Resources.h"
#include "core/rows/RowDrawing.h"
#include "core/util/FileBaseName.h"

using namespace contact_rows;

namespace {

constexpr UINT kHoldMs = 500;

// Pictures of the image library.
constexpr UINT kCallImage = 370, kCallImagePressed = 371;
constexpr UINT kIpCallImage = 404, kIpCallImagePressed = 414;
constexpr UINT kMessageImage = 300, kMessageImageOnPressedRow = 301;
constexpr UINT kCopyModeImage = 374;
constexpr UINT kGroupsImage = 323, kGroupsImagePressed = 350;
constexpr UINT kSendImage = 366, kSendImagePressed = 367;
// The arrow of the groups row, from the toolkit's own pictures.
constexpr UINT kArrowImage = 152, kArrowImagePressed = 326;

// Strings.
constexpr UINT kCallPrefixText = 833;
constexpr UINT kUngroupedText = 623;
constexpr UINT kGroupsLabel = 691;
constexpr UINT kSendContactText = 745;

// The rows that draw a label over one value (or several lines of text).
struct ValueRowLook {
  int kind;
  UINT label;
  UINT image;
  UINT pressedImage;
};
constexpr ValueRowLook kValueRowLooks[] = {
    {CONTACT_ROW_RING, 607, 359, 358},     {CONTACT_ROW_EMAIL, 608, 310, 309},
    {CONTACT_ROW_ADDRESS, 610, 304, 303},  {CONTACT_ROW_QQ, 662, 316, 315},
    {CONTACT_ROW_MSN, 663, 313, 312},      {CONTACT_ROW_WEB_PAGE, 609, 319, 318},
    {CONTACT_ROW_BIRTHDAY, 664, 307, 306}, {CONTACT_ROW_NOTE, 665, 322, 321},
};

const ValueRowLook* LookOf(int kind) {
  for (const ValueRowLook& look : kValueRowLooks)
    if (look.kind == kind) return &look;
  return nullptr;
}

ImagingHelper* Image(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }
ImagingHelper* ToolkitImage(UINT id) { return ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(), id, TRUE); }

bool IsMultiLine(int kind) { return kind == CONTACT_ROW_ADDRESS || kind == CONTACT_ROW_NOTE; }

}  // namespace

UiListContactInfo::UiListContactInfo() : m_ipCall(IpCallRule::FromSettings()) {
  EnableVaryItemHeight(TRUE);
  EnablePressedHoldSupport(TRUE, kHoldMs);
}

UiListContactInfo::~UiListContactInfo() = default;

void UiListContactInfo::AddAllItems() {
  CDebugTime timing(L"UiListContactInfo::AddAllItems()");
  RemoveAllItems();
  m_heights.clear();
  ClearPress();
  if (!m_recordLoaded) {
    CContactsDbIf* db = CContactsDbIf::GetContactDbIf();
    if (!db || m_contactId == 0 || !db->GetContactInfo(m_contactId, m_contact, false)) {
      // Nothing of a contact that is gone stays behind for the owner to act on.
      m_contact.DataReset();
      m_photo.Unload();
      UpdateScrollRange();
      return;
    }
    m_recordLoaded = true;
  }
  if (m_contact.photoLength > 0 && m_contact.photoData)
    m_photo.LoadFromBuffer(m_contact.photoData.get(), static_cast<UINT>(m_contact.photoLength), TRUE, TRUE, TRUE);
  else
    m_photo.Unload();

  AddItem(L"", MakeRowData(CONTACT_ROW_HEADER, 0));
  AddValueRows(CONTACT_ROW_PHONE, m_contact.phoneNumbers.size());
  AddValueRows(CONTACT_ROW_EMAIL, m_contact.emails.size());
  AddValueRows(CONTACT_ROW_QQ, m_contact.qqNumbers.size());
  AddValueRows(CONTACT_ROW_MSN, m_contact.msnAccounts.size());
  AddValueRows(CONTACT_ROW_WEB_PAGE, m_contact.webPages.size());
  for (int i = 0; i < m_contact.addresses.size(); ++i)
    AddItem(ComposeAddress(m_contact.addresses[i]).c_str(), MakeRowData(CONTACT_ROW_ADDRESS, i));
  if (!m_contact.note.empty()) AddItem(m_contact.note.c_str(), MakeRowData(CONTACT_ROW_NOTE, 0));
  if (!m_contact.ringPath.empty()) AddItem(L"", MakeRowData(CONTACT_ROW_RING, 0));
  if (!m_contact.birthday.empty()) AddItem(L"", MakeRowData(CONTACT_ROW_BIRTHDAY, 0));
  AddItem(L"", MakeRowData(CONTACT_ROW_GROUPS, 0));
  if (m_contact.contactId > 0) AddItem(L"", MakeRowData(CONTACT_ROW_SEND, 0));
  m_heights.assign(static_cast<size_t>(GetItemCount()), -1);
  UpdateScrollRange();
}

void UiListContactInfo::AddValueRows(int kind, int count) {
  for (int i = 0; i < count; ++i) AddItem(L"", MakeRowData(kind, i));
}

int UiListContactInfo::GetRowKind(int row) {
  const ListItem* item = GetItem(row);
  return item ? RowKind(item->data) : 0;
}

int UiListContactInfo::GetRowValueIndex(int row) {
  const ListItem* item = GetItem(row);
  return item ? RowIndex(item->data) : -1;
}

bool UiListContactInfo::GetRowCopyText(int row, qzu::string& text) {
  const ListItem* item = GetItem(row);
  if (!item) return false;
  return CopyTextOf(m_contact, RowKind(item->data), RowIndex(item->data), qzu::string(item->text.c_str()), text);
}

int UiListContactInfo::CalcItemHeight(int index) {
  const ListItem* item = GetItem(index);
  if (!item) return 0;
  const int kind = RowKind(item->data);
  if (kind == CONTACT_ROW_HEADER) return kHeaderHeight;
  if (kind < CONTACT_ROW_HEADER || kind > CONTACT_ROW_SEND) return 0;
  if (!IsMultiLine(kind)) return kRowHeight;
  // Measuring wraps the text with the font; the list asks for heights on
  // every layout, so each row is measured once per build.
  int& height = m_heights[static_cast<size_t>(index)];
  if (height < 0)
    height = DrawMultiLineRow(RECT{0, 0, GetWidth() > 0 ? GetWidth() : 480, 0}, nullptr, nullptr, nullptr, nullptr,
                              item->text.c_str(), -1, MULTI_LINE_MEASURE, MULTI_LINE_RIGHT_IMAGE);
  return height;
}

// ---- touch ----

void UiListContactInfo::ClearPress() {
  m_pressedRow = -1;
  m_pressedPart = -1;
}

void UiListContactInfo::BeginPress(int x, int y) {
  m_holdFired = false;
  InvalidateItem(m_pressedRow);
  m_pressedRow = CalcIndexOfPos(x, y);
  if (m_pressedRow < 0)
    m_pressedPart = -1;
  else
    m_pressedPart = GetRowKind(m_pressedRow) == CONTACT_ROW_PHONE ? PhonePartAt(x - GetLeft()) : CONTACT_PART_ROW;
}

void UiListContactInfo::EndBeginPress() {
  // A press that stops a moving list presses no row.
  if (IsMouseDownAtScrolling()) ClearPress();
  InvalidateItem(m_pressedRow);
}

LRESULT UiListContactInfo::OnLButtonDown(UINT flags, int x, int y) {
  BeginPress(x, y);
  LRESULT result = UiList::OnLButtonDown(flags, x, y);
  EndBeginPress();
  return result;
}

LRESULT UiListContactInfo::OnLButtonDblClk(UINT flags, int x, int y) {
  BeginPress(x, y);
  LRESULT result = UiList::OnLButtonDblClk(flags, x, y);
  EndBeginPress();
  return result;
}

LRESULT UiListContactInfo::OnMouseMove(UINT flags, int x, int y) {
  LRESULT result = UiList::OnMouseMove(flags, x, y);
  // A finger trembling within the toolkit's slop still taps; one that
  // travelled cancels the press.
  if (IsMouseMoved() && m_pressedRow >= 0) {
    InvalidateItem(m_pressedRow);
    ClearPress();
  }
  return result;
}

LRESULT UiListContactInfo::OnLButtonUp(UINT flags, int x, int y) {
  if (!IsMouseMoved() && !IsMouseDownAtScrolling() && !m_holdFired && m_pressedRow >= 0 &&
      CalcIndexOfPos(x, y) == m_pressedRow)
    PostCommandMessage(static_cast<UINT>(GetID()), 0, MAKELPARAM(m_pressedRow, m_pressedPart));
  InvalidateItem(m_pressedRow);
  ClearPress();
  return UiList::OnLButtonUp(flags, x, y);
}

void UiListContactInfo::OnPressedHoldTimeup() {
  if (m_pressedRow < 0) return;
  // A held finger never taps; the header offers nothing to hold.
  m_holdFired = true;
  if (m_pressedRow == 0) return;
  PostCommandMessage(static_cast<UINT>(GetID()), 0, MAKELPARAM(m_pressedRow, CONTACT_PART_LONG_PRESS));
  ClearPress();
  ReleaseCapture();
  ResetLButtonState();
  Invalidate();
  Update();
}

void UiListContactInfo::OnItemClick(int, int) {}

// ---- drawing ----

CQzStringW UiListContactInfo::GetRowValueText(int row) {
  const ListItem* item = GetItem(row);
  if (!item) return CQzStringW();
  const int kind = RowKind(item->data);
  const int index = RowIndex(item->data);
  switch (kind) {
    case CONTACT_ROW_HEADER:
      return m_contact.company.c_str();
    case CONTACT_ROW_PHONE: {
      if (!m_contact.phoneNumbers.valid_index(index)) return CQzStringW();
      CQzStringW typeLabel = LoadResString(GetTypeLabelId(VALUE_KIND_PHONE, m_contact.phoneNumbers[index].type));
      if (m_copyMode) return typeLabel;
      return LoadResString(kCallPrefixText).str() + typeLabel.str();
    }
    case CONTACT_ROW_GROUPS: {
      qzu::string groups = GetComboGroupName(m_contact.categories);
      return groups.empty() ? LoadResString(kUngroupedText) : CQzStringW(groups.c_str());
    }
    case CONTACT_ROW_RING:
      return GetFileBaseName(m_contact.ringPath.c_str());
    case CONTACT_ROW_BIRTHDAY:
      return BirthdayText(m_contact.birthday);
    case CONTACT_ROW_ADDRESS:
    case CONTACT_ROW_NOTE:
      return item->text;
    default: {
      const ContactValueEntry* entry = ValueAt(m_contact, kind, index);
      return entry ? CQzStringW(entry->value.c_str()) : CQzStringW();
    }
  }
}

void UiListContactInfo::DrawItem(HDC hdc, int index, const RECT& rc) {
  const ListItem* item = GetItem(index);
  if (!item) return;
  const int kind = RowKind(item->data);
  switch (kind) {
    case CONTACT_ROW_HEADER:
      DrawHeaderRow(rc, hdc, &m_photo, m_contact.fileAs.c_str(), m_contact.company.c_str(), L"", nullptr,
                    HEADER_ROW_DETAILS);
      break;
    case CONTACT_ROW_PHONE:
      DrawPhoneRow(hdc, rc, index, RowIndex(item->data));
      break;
    case CONTACT_ROW_GROUPS: {
      const bool pressed = IsPressed(index, CONTACT_PART_ROW);
      DrawLabelValueRow(rc, hdc, Image(pressed ? kGroupsImagePressed : kGroupsImage),
                        ToolkitImage(pressed ? kArrowImagePressed : kArrowImage), LoadResString(kGroupsLabel),
                        GetRowValueText(index), pressed);
      break;
    }
    case CONTACT_ROW_SEND: {
      const bool pressed = IsPressed(index, CONTACT_PART_ROW);
      DrawCaptionRow(rc, hdc, Image(pressed ? kSendImagePressed : kSendImage), nullptr,
                     LoadResString(kSendContactText), pressed);
      break;
    }
    default:
      DrawValueRow(hdc, rc, index, kind);
      break;
  }
}

void UiListContactInfo::DrawPhoneRow(HDC hdc, const RECT& rc, int row, int index) {
  if (!m_contact.phoneNumbers.valid_index(index)) return;
  const wchar_t* number = m_contact.phoneNumbers[index].value.c_str();
  if (m_copyMode) {
    DrawLabelValueRow(rc, hdc, Image(kCopyModeImage), nullptr, number, GetRowValueText(row), row == m_pressedRow);
    return;
  }
  const int pressedPart = row == m_pressedRow ? m_pressedPart : -1;
  const bool leftPressed = pressedPart == CONTACT_PART_ROW;
  UINT left = m_ipCall.InUse() ? (leftPressed ? kIpCallImagePressed : kIpCallImage)
                               : (leftPressed ? kCallImagePressed : kCallImage);
  UINT button = pressedPart == CONTACT_PART_NUMBER ? kMessageImageOnPressedRow : kMessageImage;
  DrawNumberRow(rc, hdc, Image(left), Image(button), number, GetRowValueText(row), pressedPart);
}

void UiListContactInfo::DrawValueRow(HDC hdc, const RECT& rc, int row, int kind) {
  const ValueRowLook* look = LookOf(kind);
  if (!look) return;
  const bool pressed = IsPressed(row, CONTACT_PART_ROW);
  ImagingHelper* image = Image(pressed ? look->pressedImage : look->image);
  CQzStringW label = LoadResString(look->label);
  if (IsMultiLine(kind))
    DrawMultiLineRow(rc, hdc, image, nullptr, label, GetRowValueText(row), pressed ? 0 : -1, MULTI_LINE_DRAW,
                     MULTI_LINE_RIGHT_IMAGE);
  else
    DrawLabelValueRow(rc, hdc, image, nullptr, label, GetRowValueText(row), pressed);
}
