// The host's own texts (the library's windows bring theirs): the title of
// each tab in the shell bar, in the user's interface language.
#pragma once

namespace telhub {

// Tab indexes, as the tab windows' tool bars number their buttons.
enum TelhubTab { TAB_CALL_LOG = 3, TAB_CONTACTS = 4, TAB_DIALER = 5 };

const wchar_t* TabTitle(int tab);

}  // namespace telhub
