#pragma once

#include "ce/types.h"

// Puts `text` on the clipboard as Unicode text, replacing what was there. An
// empty (or null) text empties the clipboard. FALSE, with nothing changed,
// when the clipboard is busy; FALSE too when the text could not be stored
// (the clipboard is then left empty).
BOOL CopyTextToClipboard(LPCWSTR text);
