// CallHistoryCollection: the rows of the call log's thread list. A load
// reads the threads (one row per number, its latest call, newest first)
// from the store and makes every display text at once, so that the list's
// queries only hand out stored texts. After the call rows come one special
// row: "more records" when a limited load filled its 50 rows, otherwise the
// swipe hint until the user swipes it away.
#pragma once

#include "calllog/model/CallHistoryItem.h"
#include "platform/ToolkitContract.h"

class CallHistoryCollection : public IItemCollection {
 public:
  // Threads read by a limited load, and by the more-records row.
  static constexpr int kLimitedThreads = 50;
  static constexpr int kAllThreads = 9999;
  static constexpr int kRowHeight = 82;

  CallHistoryCollection() = default;
  ~CallHistoryCollection() override = default;

  // Replaces the rows with the current threads: all calls or missed ones,
  // at most 50 (limited) or 9999.
  void LoadCallHistory(bool missedOnly, bool limited);
  // The row's contact id and number; false outside the rows.
  bool GetItemInfo(int index, int& contactId, qzu::string& number) const;
  const CallHistoryItem* GetRow(int index) const;
  bool IsMissedOnly() const { return m_missedOnly == 1; }
  bool IsHintShown() const { return m_showHint; }

  // The change stamps the window checks against the store's counters.
  int& CallsStamp() { return m_callsStamp; }
  int& ContactsStamp() { return m_contactsStamp; }

  // ---- IItemCollection ----
  ImagingHelper* GetItemImage(int index) override;
  ImagingHelper* GetItemRightImage(int index) override;
  ImagingHelper* GetItemImagePressed(int index) override;
  ImagingHelper* GetItemRightImagePressed(int index) override;
  CQzStringW GetItemText(int index) override;
  CQzStringW GetItemSubText(int index) override;
  CQzStringW GetItemText3(int index) override;
  CQzStringW GetItemText4(int index) override;
  int GetItemCount() override;
  void SetItemSelected(int index, BOOL selected) override;
  BOOL CanDeleteItem(int index) override;
  BOOL IsItemSelected(int index) override;
  int GetItemHeight(int index) override;
  void OnItemClicked(int index) override;
  // Deletes the thread's calls from the store (only its missed calls after
  // a missed-only load), or hides the hint row for good, and removes the row.
  void DeleteItem(int index) override;
  void UpdateItemAttribute(UiCustomList* list, int index, ItemAttribute* attr) override;
  DRAWITEMFUN GetDrawItemFunPointer(int index) override;
  BOOL IsDrawItemGridline(int index) override;

 private:
  static void DrawMoreRow(UiCustomList* list, HDC hdc, int index, const RECT& rcItem);
  CallHistoryItem MakeCallRow(qzu::string number, int time, int value, int type, qzu::string name,
                              int contactId) const;
  ImagingHelper* CallTypeImage(int index, UINT firstImage);
  bool IsCallRow(int index) const;

  qzu::array<CallHistoryItem> m_rows;
  bool m_showHint = true;
  int m_missedOnly = 0;
  int m_callsStamp = 0;
  int m_contactsStamp = 0;
  // The fixed texts, loaded with the rows.
  CQzStringW m_hiddenNumber;
  CQzStringW m_unknownNumber;
  CQzStringW m_hintText;
};
