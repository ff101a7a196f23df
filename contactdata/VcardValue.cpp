#include "contactdata/VcardValue.h"

#include <algorithm>

#include "ce/codepage.h"
#include "ce/utf8.h"
#include "platform/ToolkitContract.h"

namespace {

// 24 input bytes never give more than 72 quoted-printable characters, so
// each chunk fits the encoder's 76-byte buffer.
constexpr std::size_t kQuotedPrintableChunk = 24;
constexpr int kEncodeBuffer = 76;

bool IsPlainAscii(wchar_t c) { return c >= 0x20 && c < 0x7F; }
bool IsControl(unsigned char c) { return c < 0x20 || c == 0x7F; }

// ASCII and the unified CJK ideographs up to U+9FA5 map to GBK and back
// unchanged; checking that saves converting typical Chinese text twice.
bool IsInEveryGbkTable(wchar_t c) { return (c >= 0 && c < 0x80) || (c >= 0x4E00 && c <= 0x9FA5); }

// The text in the code page, or false when the bytes would not read back as
// the same text: the code page lacks a character, maps it to a look-alike or
// drops it (as GBK drops variation selectors).
bool ToCodePage(UINT codePage, std::wstring_view text, std::string& bytes) {
  if (text.empty()) return true;
  // No character of the handset's code pages takes more than two bytes.
  bytes.resize(text.size() * 2);
  BOOL usedDefault = FALSE;
  const int written = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), bytes.data(),
                                          static_cast<int>(bytes.size()), nullptr, &usedDefault);
  if (written <= 0 || usedDefault) return false;
  bytes.resize(static_cast<std::size_t>(written));
  if (codePage == 936 && std::all_of(text.begin(), text.end(), IsInEveryGbkTable)) return true;
  std::wstring back(text.size(), L'\0');
  const int read = MultiByteToWideChar(codePage, 0, bytes.data(), written, back.data(), static_cast<int>(back.size()));
  return read == static_cast<int>(text.size()) && std::wstring_view(back) == text;
}

// The CHARSET name of a code page ("GBK" for 936).
const char* CharsetName(UINT codePage) {
  switch (codePage) {
    case 936:
      return "GBK";
    case 1252:
      return "windows-1252";
    default:
      return "UTF-8";
  }
}

}  // namespace

VcardValue::VcardValue(std::wstring_view text, Encoding encoding)
    : quotedPrintable_(encoding == Encoding::QUOTED_PRINTABLE) {
  if (std::all_of(text.begin(), text.end(), IsPlainAscii)) {
    bytes_.assign(text.begin(), text.end());
    return;
  }
  const UINT codePage = GetDefaultAcp();
  const bool ascii = std::all_of(text.begin(), text.end(), [](wchar_t c) { return c >= 0 && c < 0x80; });
  if (ascii) {
    bytes_.assign(text.begin(), text.end());
  } else if (ToCodePage(codePage, text, bytes_)) {
    charset_ = CharsetName(codePage);
  } else {
    bytes_ = ce::ToUtf8(text);
    charset_ = "UTF-8";
  }
  quotedPrintable_ = quotedPrintable_ || std::any_of(bytes_.begin(), bytes_.end(), [](char c) {
                       return IsControl(static_cast<unsigned char>(c));
                     });
}

void VcardValue::AppendParameters(std::string& card) const {
  if (charset_) card.append(";CHARSET=").append(charset_);
  if (quotedPrintable_) card.append(";ENCODING=QUOTED-PRINTABLE");
  card += ':';
}

void VcardValue::AppendValue(std::string& card) const {
  if (!quotedPrintable_) {
    card += bytes_;
    return;
  }
  char encoded[kEncodeBuffer];
  for (std::size_t at = 0; at < bytes_.size(); at += kQuotedPrintableChunk) {
    if (at > 0) card += "=\n";
    const std::size_t length = std::min(kQuotedPrintableChunk, bytes_.size() - at);
    const int count = QzQPEncode(bytes_.data() + at, static_cast<int>(length), encoded, kEncodeBuffer, 0);
    card.append(encoded, static_cast<std::size_t>(std::max(count, 0)));
  }
}
