// The group choice of the call log's details: a contact's groups, or the
// blacklist for a number that belongs to no contact.
#include "calllog/CCallHistoryWnd.h"

// FIXME: needs the group picker (UiListGroupPicker); until it is built the
// groups row opens nothing.
void CCallHistoryWnd::OpenGroupPicker() {}
void CCallHistoryWnd::CloseGroupPicker() {}
void CCallHistoryWnd::DropGroupPicker() {}
void CCallHistoryWnd::StoreGroupChoice(const qzu::array<int>&) {}
