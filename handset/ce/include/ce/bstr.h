// OLE automation strings in the CE layout: a 32-bit byte length sits in
// front of the characters, and a terminating zero follows them. A BSTR
// points at the first character, so it reads as an ordinary wide string.
// Every function accepts a null BSTR as the empty string.
#pragma once

#include "ce/types.h"

// A copy of the terminated text; NULL for NULL text or when out of memory.
BSTR SysAllocString(const OLECHAR* text);
// length characters copied from text (which may hold zeros), or left zero
// when text is NULL; NULL when out of memory or the length is too large.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
// Characters, not counting the terminator; 0 for NULL.
UINT SysStringLen(BSTR text);
// Bytes of the characters, not counting the terminator; 0 for NULL.
UINT SysStringByteLen(BSTR text);
