#include <gtest/gtest.h>

#include <string>

#include "test_helpers.h"
#include "windows.h"

namespace {

using vorna::test::FailedWith;

std::string ToBytes(UINT codePage, const std::wstring& text) {
  int needed = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(needed), '\0');
  int written = WideCharToMultiByte(codePage, 0, text.c_str(), static_cast<int>(text.size()), out.data(), needed,
                                    nullptr, nullptr);
  EXPECT_EQ(written, needed);
  return out;
}

std::wstring ToWide(UINT codePage, const std::string& bytes, DWORD flags = 0) {
  int needed = MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring out(static_cast<size_t>(needed), L'\0');
  if (needed > 0) {
    EXPECT_EQ(MultiByteToWideChar(codePage, flags, bytes.data(), static_cast<int>(bytes.size()), out.data(), needed),
              needed);
  }
  return out;
}

TEST(CodePage, RoundTripsEachCodePage) {
  EXPECT_EQ(ToBytes(936, L"张三 Ann"), "\xD5\xC5\xC8\xFD Ann");
  EXPECT_EQ(ToWide(936, "\xD5\xC5\xC8\xFD Ann"), L"张三 Ann");
  EXPECT_EQ(ToBytes(CP_ACP, L"中"), "\xD6\xD0");
  EXPECT_EQ(ToBytes(CP_UTF8, L"中😀"), "\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(ToWide(CP_UTF8, "\xE4\xB8\xAD\xF0\x9F\x98\x80"), L"中😀");
  EXPECT_EQ(ToBytes(1252, L"Café €"), "Caf\xE9 \x80");
  EXPECT_EQ(ToWide(1252, "Caf\xE9 \x80"), L"Café €");
}

TEST(CodePage, MinusOneLengthCountsTheTerminatorAndShortBuffersFail) {
  EXPECT_EQ(WideCharToMultiByte(936, 0, L"张", -1, nullptr, 0, nullptr, nullptr), 3);
  char bytes[8] = {'x', 'x', 'x', 'x'};
  EXPECT_EQ(WideCharToMultiByte(936, 0, L"张", -1, bytes, sizeof bytes, nullptr, nullptr), 3);
  EXPECT_EQ(std::string(bytes), "\xD5\xC5");
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", -1, nullptr, 0), 3);
  wchar_t wide[4] = {L'x', L'x', L'x', L'x'};
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "ab", -1, wide, 4), 3);
  EXPECT_EQ(std::wstring(wide), L"ab");

  // A short buffer fails and is left as it was.
  char few[3] = {'x', 'x', 'x'};
  SetLastError(0);
  EXPECT_TRUE(FailedWith(WideCharToMultiByte(936, 0, L"张三", 2, few, 3, nullptr, nullptr), ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(few[0], 'x');
  wide[0] = L'x';
  EXPECT_TRUE(FailedWith(MultiByteToWideChar(CP_UTF8, 0, "ab", 2, wide, 1), ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(wide[0], L'x');
}

TEST(CodePage, BadArgumentsAreRefused) {
  char bytes[4];
  wchar_t wide[4];
  struct Case {
    int result;
    const char* what;
  } cases[] = {
      {WideCharToMultiByte(936, 0, nullptr, 3, bytes, 4, nullptr, nullptr), "null input"},
      {WideCharToMultiByte(936, 0, L"a", 0, bytes, 4, nullptr, nullptr), "zero length"},
      {WideCharToMultiByte(936, 0, L"a", -2, bytes, 4, nullptr, nullptr), "length below -1"},
      {WideCharToMultiByte(936, 0, L"a", 1, nullptr, 4, nullptr, nullptr), "null output with a size"},
      {WideCharToMultiByte(437, 0, L"a", 1, bytes, 4, nullptr, nullptr), "unknown code page"},
      {WideCharToMultiByte(CP_UTF8, 0, L"a", 1, bytes, 4, "?", nullptr), "default char with UTF-8"},
      {MultiByteToWideChar(936, 0, nullptr, 1, wide, 4), "null bytes"},
      {MultiByteToWideChar(936, 0, "a", 1, wide, -1), "negative capacity"},
      {MultiByteToWideChar(50220, 0, "a", 1, wide, 4), "unknown code page"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, 0) << c.what;
  }
  SetLastError(0);
  MultiByteToWideChar(936, 0, "a", 1, nullptr, 4);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
}

TEST(CodePage, UnmappableCharactersBecomeTheDefault) {
  BOOL used = FALSE;
  char bytes[8] = {};
  int n = WideCharToMultiByte(1252, 0, L"a中b", 3, bytes, sizeof bytes, nullptr, &used);
  EXPECT_EQ(std::string(bytes, static_cast<size_t>(n)), "a?b");
  EXPECT_TRUE(used);
  n = WideCharToMultiByte(936, 0, L"a\U0001F600b", 3, bytes, sizeof bytes, "*", &used);
  EXPECT_EQ(std::string(bytes, static_cast<size_t>(n)), "a*b");
  EXPECT_TRUE(used);
  WideCharToMultiByte(936, 0, L"ab", 2, bytes, sizeof bytes, nullptr, &used);
  EXPECT_FALSE(used);
  // A wide value that is not a character (a lone surrogate here) is replaced, never passed through.
  const wchar_t lone[] = {L'a', static_cast<wchar_t>(0xD800), L'b'};
  EXPECT_EQ(ToBytes(CP_UTF8, std::wstring(lone, 3)), "a\xEF\xBF\xBD" "b");
  EXPECT_TRUE(FailedWith(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 3, nullptr, 0, nullptr, nullptr),
                         ERROR_NO_UNICODE_TRANSLATION));
}

TEST(CodePage, MalformedBytesAreReplacedOrRefusedOnRequest) {
  EXPECT_EQ(ToWide(CP_UTF8, "a\xC0\xAF" "b"), L"a\uFFFD\uFFFDb");  // overlong '/'
  EXPECT_EQ(ToWide(CP_UTF8, "a\xE4\xB8"), L"a\uFFFD");            // cut short
  EXPECT_EQ(ToWide(CP_UTF8, "\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(ToWide(936, "a\xD5"), L"a\uFFFD");                      // lead byte at the end
  EXPECT_TRUE(
      FailedWith(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFF", 2, nullptr, 0), ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, "a\xD5", 2, nullptr, 0), 0);
}

TEST(CodePage, LongTextCrossesTheConverterChunks) {
  std::wstring text;
  for (int i = 0; i < 5000; ++i) text += L"张三a";
  std::string bytes = ToBytes(936, text);
  EXPECT_EQ(bytes.size(), 5000u * 5);
  EXPECT_EQ(ToWide(936, bytes), text);
}

}  // namespace
