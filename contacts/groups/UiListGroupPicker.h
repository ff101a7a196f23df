// UiListGroupPicker: the check list in which the user chooses the groups of
// one contact. The user's groups come in the store's order, each with a tick
// box; the blacklist comes last on a grey background. The blacklist excludes
// the other groups: while it is ticked they are greyed and cannot change, and
// ticking it drops every other choice.
//
// The owner opens it for a contact (OpenForContact: the stored groups, the
// contact's current ones ticked) or for a stranger's number (OpenForStranger:
// the blacklist row alone) and reads the final choice back when the user
// leaves. The picker never writes to the store.
#pragma once

#include <set>

#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

class UiListGroupPicker : public UiList {
 public:
  UiListGroupPicker();
  ~UiListGroupPicker() override;

  LRESULT OnLButtonDown(UINT flags, int x, int y) override;
  LRESULT OnLButtonUp(UINT flags, int x, int y) override;
  LRESULT OnMouseMove(UINT flags, int x, int y) override;
  void DrawItem(HDC hdc, int index, const RECT& rcItem) override;

  // Fills the rows: the stored groups (unless strangerOnly, for a number that
  // belongs to no contact), then the blacklist row.
  void LoadGroups(bool strangerOnly);
  // The group edit of one contact: the picker at the owner's top left, every
  // stored group listed, the contact's current groups ticked.
  void OpenForContact(int id, int width, int height, const qzu::array<int>& groupIds);
  // The group edit of a number that belongs to no contact: the blacklist row.
  void OpenForStranger(int id, int width, int height);
  // Marks a group chosen; the last mark decides whether the blacklist is.
  bool SetGroupChosen(int groupId);
  // The blacklist's identifier alone while it is chosen, else the chosen
  // identifiers in ascending order.
  qzu::array<int> GetChosenGroupIds() const;
  // The texts of the chosen rows in row order: stored group names, and the
  // blacklist row's displayed text.
  qzu::array<qzu::string> GetChosenGroupNames();

  bool IsBlacklistChosen() const { return m_blacklistChosen; }
  int GetBlacklistId() const { return m_blacklistId; }

  static constexpr COLORREF kBlacklistRowColour = 0xDCDCDC;
  static constexpr COLORREF kExcludedTextColour = 0x958E82;

 private:
  void Open(int id, int width, int height, bool strangerOnly);
  bool IsBlacklistRow(int index);
  bool IsRowChosen(int index);
  void UnselectPressedRow();

  std::set<int> m_chosen;
  bool m_blacklistChosen = false;
  int m_blacklistId = 0;
};
