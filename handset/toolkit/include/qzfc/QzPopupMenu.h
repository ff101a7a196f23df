// QzPopupMenu: a modal menu that rises from the bottom of the work area with
// one entry per appended item and a cancel entry below them.
#pragma once

#include <string>
#include <vector>

#include "ce/types.h"

class QzPopupMenu {
 public:
  // Control ids of the entries while the menu runs: item i (from 0) has
  // kFirstItemId + i, the cancel entry kFirstItemId + the number of items.
  static constexpr int kFirstItemId = 1;
  static constexpr int kItemHeight = 80;

  // Appends an item; `flags` is reserved (0). False for an empty text.
  BOOL AppendMenuItem(UINT commandId, LPCWSTR text, UINT flags);
  int GetItemCount() const { return static_cast<int>(m_items.size()); }
  // Shows the menu over `owner` and waits: the chosen item's command id, or
  // 0 when the cancel entry was chosen or the menu could not show. `mode` and
  // `flags` are reserved (1 and 0). With no cancel text the entry reads "取消".
  UINT QzTrackPopupMenu(HWND owner, int mode, LPCWSTR cancelText, UINT flags);

 private:
  struct Item {
    UINT id;
    std::wstring text;
  };
  std::vector<Item> m_items;
};
