// The slide between two pictures of a window when it moves into a detail
// view (type 12) or back (type 11).
#pragma once

#include "ce/types.h"

// Plays the slide from `from` to `to` over the window's screen area without
// its bottom 70 pixels (the tool bar stays). Takes ownership of both bitmaps
// and deletes them, also when nothing could be played.
void AnimateTransition(HBITMAP from, HBITMAP to, int type, HWND window);
