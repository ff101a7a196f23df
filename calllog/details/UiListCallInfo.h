// UiListCallInfo: the call details of one number. A header with the
// contact's photo and name (or the bare number), the contact's numbers with
// call and message buttons, e-mail addresses, ring tone, groups, a row to
// send the contact as a card, and the number's calls grouped by year, with a
// row that loads all of them.
//
// Taps and long presses go to the window as commands (OnQzCommand with the
// list's id and lParam = row | part << 16): number rows have three parts
// (0 the call button at x < 80, 1 the number up to x = 373, 2 the message
// button), other rows part 0; part 100 is a long press, after which the
// release taps nothing. A finger that moves taps nothing.
#pragma once

#include <vector>

#include "calllog/details/CallEntries.h"
#include "dialer/IpCallRule.h"
#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

enum CALL_INFO_ROW_KIND {
  CALL_INFO_HEADER = 0,
  CALL_INFO_NUMBER = 1,
  CALL_INFO_EMAIL = 2,
  CALL_INFO_RING = 3,
  CALL_INFO_GROUPS = 4,
  CALL_INFO_MORE = 5,
  CALL_INFO_HISTORY = 6,
  CALL_INFO_SEND = 7,
};

class UiListCallInfo : public UiList {
 public:
  // Calls shown until the user asks for more, and then.
  static constexpr int kLimitedCalls = 20;
  static constexpr int kAllCalls = 9999;
  static constexpr int kLongPressPart = 100;
  static constexpr int kCallPartRight = 80;
  static constexpr int kMessagePartLeft = 374;

  UiListCallInfo();
  ~UiListCallInfo() override;

  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  // A quick second tap is another tap, not a double-click.
  LRESULT OnLButtonDblClk(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  void OnPressedHoldTimeup() override;
  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;
  void OnDrawGradlines(HDC hdc, int index, const RECT& rcItem) override;
  int CalcItemHeight(int index) override;
  // Taps are posted as commands by OnLButtonUp instead.
  void OnItemClick(int index, int part) override;

  // The number whose details are shown, its contact (0: none) and whether
  // only its missed calls are listed.
  void SetCallInfo(bool missedOnly, int contactId, const qzu::string& number);
  // (Re)builds every row from the store.
  void AddAllItems();
  // Reads the number's calls again, at most 20 (limited) or all.
  void LoadCallHistory(bool limited);
  // Removes the more-records row, if there is one.
  void RemoveMoreRow();

  static int RowKind(DWORD data) { return static_cast<int>(LOWORD(data)); }
  static int RowIndex(DWORD data) { return static_cast<int>(HIWORD(data)); }
  int RowKindAt(int row);
  int RowIndexAt(int row);

  int GetContactId() const { return m_contactId; }
  void SetContactId(int contactId) { m_contactId = contactId; }
  const qzu::string& GetNumber() const { return m_number; }
  const CContactInfo& GetContact() const { return m_contact; }
  const IpCallRule& GetIpCallRule() const { return m_ipRule; }
  const std::vector<CallEntry>& GetCallEntries() const { return m_entries; }
  const qzu::string& GetRegion() const { return m_region; }
  // Set by the window while the copy bubble is open.
  bool& CopyMode() { return m_copyMode; }

 private:
  void AddRow(int kind, int index = 0);
  void DrawHeader(HDC hdc, const RECT& rc);
  void DrawNumber(HDC hdc, const RECT& rc, int index, int pressedPart);
  void DrawHistory(HDC hdc, const RECT& rc);
  int PressedPartOf(int row) const { return row == m_pressedRow ? m_pressedPart : -1; }
  void PostRowCommand(int row, int part);

  CContactInfo m_contact;
  ImagingHelper m_photo;
  std::vector<CallEntry> m_entries;
  qzu::string m_number;
  qzu::string m_region;
  int m_pressedPart = -1;
  int m_pressedRow = -1;
  int m_contactId = 0;
  bool m_missedOnly = false;
  bool m_holdFired = false;
  IpCallRule m_ipRule;
  bool m_copyMode = false;
};
