// The three tab buttons that the call log, contacts and dial windows share in
// the middle of their tool bars: 3 call log, 4 contacts, 5 dialer.
#pragma once

#include "platform/ToolkitContract.h"

namespace vorna {

constexpr int kCallLogTab = 3;
constexpr int kContactsTab = 4;
constexpr int kDialerTab = 5;

// Puts the three tab buttons on a tool bar, the given tab highlighted.
void AddTabButtons(UiToolBarPro& toolBar, int currentTab);

}  // namespace vorna
