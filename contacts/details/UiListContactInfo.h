// UiListContactInfo: one contact shown as a list. A header with photo, name
// and company, a row per number, e-mail address, QQ number, MSN account, web
// page and address, the note, ring tone, birthday, groups and, for a stored
// contact, a row for sending it as a card.
//
// The owner sets the contact id (or places a record and marks it loaded),
// calls AddAllItems, and acts on the list's commands: OnQzCommand receives
// the list's id and lParam = row | part << 16 (CONTACT_INFO_PART). A phone
// row has three parts by x; every other row reports part 0; a long press
// reports part 100 on any row but the header and suppresses the tap that
// its release would report.
#pragma once

#include <vector>

#include "contacts/details/ContactInfoRows.h"
#include "dialer/IpCallRule.h"
#include "platform/ContactRecord.h"
#include "platform/ToolkitContract.h"

class UiListContactInfo : public UiList {
 public:
  // Reads the IP-call prefix once; a later change of the settings does not
  // reach a list that exists.
  UiListContactInfo();
  ~UiListContactInfo() override;

  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  // A quick second press presses a row like the first.
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  void OnPressedHoldTimeup() override;
  // Taps reach the owner as commands (with their part), not as the list's
  // row notification.
  void OnItemClick(int index, int part) override;
  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;
  int CalcItemHeight(int index) override;

  // Rebuilds every row; reads the contact first unless the record is marked
  // loaded. No store, contact id 0 or a contact that cannot be read leave
  // the list without rows.
  void AddAllItems();

  void SetContactId(int id) { m_contactId = id; }
  int GetContactId() const { return m_contactId; }
  // The record shown; an owner that fills it itself marks it loaded.
  CContactInfo& GetContact() { return m_contact; }
  const CContactInfo& GetContact() const { return m_contact; }
  // Cleared, the next AddAllItems reads the contact again.
  void SetRecordLoaded(bool loaded) { m_recordLoaded = loaded; }
  bool IsRecordLoaded() const { return m_recordLoaded; }
  // Set while the copy bubble is open over a row: phone rows draw plainly.
  bool& CopyMode() { return m_copyMode; }
  // The IP-call prefix in use when the list was made.
  const IpCallRule& GetIpCallRule() const { return m_ipCall; }

  // A row's kind (CONTACT_INFO_ROW_KIND) and value index; 0 and -1 outside
  // the rows.
  int GetRowKind(int row);
  int GetRowValueIndex(int row);
  // The second line a row shows: the number's "call" and type label (the
  // label alone in copy mode), the date of a birthday, the ring tone's name,
  // the groups, a value, an address or the note; the company of the header.
  CQzStringW GetRowValueText(int row);
  // What a long press on the row copies; false for rows without a copy.
  bool GetRowCopyText(int row, qzu::string& text);

  // The part of a press not yet lifted, moved or held; -1 for none.
  int GetPressedRow() const { return m_pressedRow; }
  int GetPressedPart() const { return m_pressedPart; }

  static constexpr int kHeaderHeight = 186;
  static constexpr int kRowHeight = 82;

 private:
  void AddValueRows(int kind, int count);
  void ClearPress();
  void BeginPress(int x, int y);
  void EndBeginPress();
  bool IsPressed(int row, int part) const { return row == m_pressedRow && part == m_pressedPart; }
  void DrawPhoneRow(HDC hdc, const RECT& rc, int row, int index);
  void DrawValueRow(HDC hdc, const RECT& rc, int row, int kind);

  ImagingHelper m_photo;
  int m_contactId = 0;
  CContactInfo m_contact;
  int m_pressedPart = -1;
  int m_pressedRow = -1;
  bool m_recordLoaded = false;
  bool m_holdFired = false;
  bool m_copyMode = false;
  IpCallRule m_ipCall;
  // Heights of the multi-line rows, measured once per build of the rows.
  std::vector<int> m_heights;
};
