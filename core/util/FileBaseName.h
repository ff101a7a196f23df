#pragma once

#include <qzfc/QzString.h>

// The file name of a CE path without its folders and its extension:
// "\Windows\Rings\Bell.wav" gives "Bell".
CQzStringW GetFileBaseName(const wchar_t* path);
