// Conversions between wide text and the 8-bit code pages of the handset:
// 936 (GBK, the default ANSI code page here), 65001 (UTF-8) and 1252.
#pragma once

#include "ce/lasterror.h"
#include "ce/types.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_UTF8 65001

#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400
#define WC_ERR_INVALID_CHARS 0x00000080

#ifndef ERROR_INVALID_FLAGS
#define ERROR_INVALID_FLAGS 1004L
#endif

typedef BOOL* LPBOOL;

// Both return the number of bytes or characters written (or needed, when the
// output size is 0), counting the terminator when the input length is -1, and
// 0 on failure with GetLastError: ERROR_INVALID_PARAMETER for bad arguments
// or an unknown code page, ERROR_INSUFFICIENT_BUFFER when the output does not
// fit (nothing is written then), ERROR_NO_UNICODE_TRANSLATION for invalid
// input under MB_ERR_INVALID_CHARS / WC_ERR_INVALID_CHARS.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wideText, int wideLength, LPSTR bytes,
                        int byteCapacity, LPCSTR defaultChar, LPBOOL usedDefaultChar);
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR bytes, int byteLength, LPWSTR wideText,
                        int wideCapacity);

// The code page that CP_ACP and CP_OEMCP stand for on this handset.
inline constexpr UINT kAnsiCodePage = 936;
