// How the rows of the call details look.
#include <cairo.h>

#include <cmath>

#include "calllog/details/UiListCallInfo.h"
#include "contactdata/GroupNames.h"
#include "contactdata/TypeLabel.h"
#include "core/module/Resources.h"
#include "core/rows/RowDrawing.h"
#include "core/rows/RowParts.h"

namespace {

constexpr UINT kStrHiddenNumber = 842, kStrCall = 833, kStrEmail = 608, kStrRing = 607, kStrGroups = 691,
               kStrUngrouped = 623, kStrMoreRecords = 856, kStrSendContact = 745;

// Images: each pair is (normal, pressed).
constexpr UINT kImgIpCall = 404, kImgIpCallPressed = 414, kImgCall = 370, kImgCallPressed = 371;
constexpr UINT kImgMessage = 300, kImgMessagePressed = 301, kImgCopying = 374;
constexpr UINT kImgEmail = 310, kImgEmailPressed = 309, kImgRing = 359, kImgRingPressed = 358;
constexpr UINT kImgGroup = 323, kImgGroupPressed = 350, kImgSend = 366, kImgSendPressed = 367;
// The toolkit's own arrow at the right of the groups row.
constexpr UINT kQzImgArrow = 152, kQzImgArrowPressed = 326;

// The history lines.
constexpr int kHistoryTop = 30;
constexpr int kLineHeight = 32;
constexpr int kYearBarTop = 14, kYearBarHeight = 3;
constexpr int kYearBarLeftEnd = 180, kYearBarRightStart = 300, kYearBarRightEnd = 480;
constexpr int kLabelLeft = 25, kLabelRight = 125, kDateRight = 315;
constexpr int kDurationLeft = 350, kDurationRight = 455;

ImagingHelper* Image(UINT id) { return ImagingHelper::GetImageObject(GetImageModule(), id, TRUE); }
ImagingHelper* Image(UINT normal, UINT pressed, bool isPressed) { return Image(isPressed ? pressed : normal); }

void FillBar(HDC hdc, int left, int top, int right) {
  HBRUSH brush = CreateSolidBrush(kRowYearBarColour);
  RECT bar{left, top, right, top + kYearBarHeight};
  FillRect(hdc, &bar, brush);
  DeleteObject(brush);
}

}  // namespace

void UiListCallInfo::DrawItem(HDC hdc, int index, const RECT& rc) {
  const int index2 = RowIndexAt(index);
  const int part = PressedPartOf(index);
  const bool pressed = part == 0;
  switch (RowKindAt(index)) {
    case CALL_INFO_HEADER:
      DrawHeader(hdc, rc);
      break;
    case CALL_INFO_NUMBER:
      DrawNumber(hdc, rc, index2, part);
      break;
    case CALL_INFO_EMAIL:
      if (m_contact.emails.valid_index(index2))
        DrawLabelValueRow(rc, hdc, Image(kImgEmail, kImgEmailPressed, pressed), nullptr, LoadResString(kStrEmail),
                          m_contact.emails[index2].value.c_str(), pressed);
      break;
    case CALL_INFO_RING:
      DrawLabelValueRow(rc, hdc, Image(kImgRing, kImgRingPressed, pressed), nullptr, LoadResString(kStrRing),
                        m_contact.ringPath.c_str(), pressed);
      break;
    case CALL_INFO_GROUPS: {
      qzu::string groups = GetComboGroupName(m_contact.categories);
      CQzStringW value = groups.empty() ? LoadResString(kStrUngrouped) : CQzStringW(groups.c_str());
      ImagingHelper* arrow = ImagingHelper::GetImageObject(GetQzResV2ModuleHandle(),
                                                           pressed ? kQzImgArrowPressed : kQzImgArrow, TRUE);
      DrawLabelValueRow(rc, hdc, Image(kImgGroup, kImgGroupPressed, pressed), arrow, LoadResString(kStrGroups), value,
                        pressed);
      break;
    }
    case CALL_INFO_MORE:
      DrawPushButtonRow(rc, hdc, LoadResString(kStrMoreRecords), nullptr, pressed ? 0 : -1);
      break;
    case CALL_INFO_SEND:
      DrawCaptionRow(rc, hdc, Image(kImgSend, kImgSendPressed, pressed), nullptr, LoadResString(kStrSendContact),
                     pressed);
      break;
    case CALL_INFO_HISTORY:
      DrawHistory(hdc, rc);
      break;
    default:
      break;
  }
}

void UiListCallInfo::DrawHeader(HDC hdc, const RECT& rc) {
  if (m_contactId != 0) {
    DrawHeaderRow(rc, hdc, &m_photo, m_contact.fileAs.c_str(), m_contact.company.c_str(), nullptr,
                  m_region.c_str(), HEADER_ROW_DETAILS);
    return;
  }
  CQzStringW name = m_number.empty() ? LoadResString(kStrHiddenNumber) : CQzStringW(m_number.c_str());
  DrawHeaderRow(rc, hdc, nullptr, name, nullptr, nullptr, m_region.c_str(), HEADER_ROW_DETAILS);
}

void UiListCallInfo::DrawNumber(HDC hdc, const RECT& rc, int index, int pressedPart) {
  if (!m_contact.phoneNumbers.valid_index(index)) return;
  const st_contacts_extra& phone = m_contact.phoneNumbers[index];
  CQzStringW typeLabel = LoadResString(GetTypeLabelId(VALUE_KIND_PHONE, phone.type));
  if (m_copyMode) {
    DrawLabelValueRow(rc, hdc, Image(kImgCopying), nullptr, phone.value.c_str(), typeLabel, FALSE);
    return;
  }
  const bool callPressed = pressedPart == 0;
  ImagingHelper* call = m_ipRule.InUse() ? Image(kImgIpCall, kImgIpCallPressed, callPressed)
                                         : Image(kImgCall, kImgCallPressed, callPressed);
  ImagingHelper* message = Image(kImgMessage, kImgMessagePressed, pressedPart == 2);
  DrawNumberRow(rc, hdc, call, message, phone.value.c_str(), LoadResString(kStrCall) + typeLabel, pressedPart);
}

void UiListCallInfo::DrawHistory(HDC hdc, const RECT& rc) {
  double clipTop = rc.top, clipBottom = rc.bottom;
  if (cairo_t* cr = CeGetCairo(hdc)) {
    double x1 = 0, x2 = 0;
    cairo_clip_extents(cr, &x1, &clipTop, &x2, &clipBottom);
  }
  const UINT line = rows::kFormatLineVCenter;
  for (size_t i = 0; i < m_entries.size(); ++i) {
    const int y = rc.top + kHistoryTop + kLineHeight * static_cast<int>(i);
    if (y >= clipBottom) break;
    if (y + kLineHeight <= clipTop) continue;
    const CallEntry& entry = m_entries[i];
    if (entry.yearLine) {
      FillBar(hdc, rc.left, y + kYearBarTop, kYearBarLeftEnd);
      FillBar(hdc, kYearBarRightStart, y + kYearBarTop, kYearBarRightEnd);
      rows::DrawFormattedText(hdc, entry.date.c_str(), RECT{kYearBarLeftEnd, y, kYearBarRightStart, y + kLineHeight},
                              kRowSubTextColour, kRowSubTextSize, line | DT_CENTER);
      continue;
    }
    rows::DrawFormattedText(hdc, entry.label.c_str(),
                            RECT{rc.left + kLabelLeft, y, rc.left + kLabelRight, y + kLineHeight}, kRowSubTextColour,
                            kRowSubTextSize, line);
    rows::DrawFormattedText(hdc, entry.date.c_str(), RECT{rc.left + kLabelRight, y, rc.left + kDateRight, y + kLineHeight},
                            kRowSubTextColour, kRowSubTextSize, line);
    rows::DrawFormattedText(hdc, entry.duration.c_str(), RECT{kDurationLeft, y, kDurationRight, y + kLineHeight},
                            kRowSubTextColour, kRowSubTextSize, line | DT_RIGHT);
  }
}
