// One line of text with some of its characters drawn in an accent colour:
// the letters and digits a search matched.
#pragma once

#include "platform/PimContract.h"
#include "platform/ToolkitContract.h"

// The accent of matched characters (0x00BBGGRR): the blue of the tool bar's tabs.
constexpr COLORREF kRowMarkColour = 0xDC782B;

// The width of `text` in the font of `size` (weight 400).
int MarkedTextWidth(HDC dc, const qzu::string& text, int size);

// Draws `text` from rect.left, vertically centred, in `colour`, the
// characters at the positions in `marks` in kRowMarkColour; a text too wide
// for the rectangle ends with an ellipsis. Marks outside the text are
// ignored.
void DrawMarkedText(HDC dc, const qzu::string& text, const qzu::array<int>& marks, const RECT& rect,
                    COLORREF colour, int size);
