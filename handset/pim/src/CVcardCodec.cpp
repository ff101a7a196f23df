#include "qzpam/CVcardCodec.h"

#include <string>
#include <string_view>

#include "ce/files.h"
#include "ce/handles.h"
#include "ce/utf8.h"
#include "vcard/vcard_card_reader.h"
#include "vcard/vcard_encodings.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

// Some desktop address books save cards as UTF-16 behind a byte-order mark.
// Unpaired surrogates become U+FFFD.
std::wstring Utf16ToWide(std::string_view bytes, bool big_endian) {
  std::u16string units(bytes.size() / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    const auto a = static_cast<unsigned char>(bytes[2 * i]), b = static_cast<unsigned char>(bytes[2 * i + 1]);
    units[i] = static_cast<char16_t>(big_endian ? (a << 8 | b) : (b << 8 | a));
  }
  std::wstring out;
  qzpam::vcard::AppendUtf16(units, out);
  return out;
}

// The whole file, or false when it cannot be read or is too large to be a
// card.
bool ReadWholeFile(const qzu::string& path, std::string& bytes) {
  if (path.empty()) return false;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD size_high = 0;
  const DWORD size = GetFileSize(file, &size_high);
  bool ok = size != INVALID_FILE_SIZE && size_high == 0 && size <= CVcardCodec::kMaxCardBytes;
  if (ok) {
    bytes.resize(size);
    std::size_t done = 0;
    while (ok && done < bytes.size()) {
      DWORD got = 0;
      ok = ReadFile(file, bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr) && got > 0;
      done += got;
    }
  }
  CloseHandle(file);
  return ok;
}

}  // namespace

bool CVcardCodec::DecodeVcfFile(const qzu::string& path, CContactInfo& contact) const {
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) return false;
  return DecodeVcfBytes(bytes.data(), bytes.size(), contact);
}

bool CVcardCodec::DecodeVcfBuf(const qzu::string& text, CContactInfo& contact) const {
  if (text.empty() || text.length() > kMaxCardBytes) return false;
  // Wide text holds characters already; UTF-8 stands for them unchanged.
  // Quoted-printable values still carry bytes and get their code page then.
  const std::string utf8 = ce::ToUtf8(text.view());
  return qzpam::vcard::ReadFirstCard(utf8, true, contact);
}

bool CVcardCodec::DecodeVcfBytes(const char* bytes, std::size_t length, CContactInfo& contact) const {
  if (!bytes || length == 0 || length > kMaxCardBytes) return false;
  std::string_view input(bytes, length);
  if (input.starts_with(kUtf16LeBom) || input.starts_with(kUtf16BeBom)) {
    const bool big_endian = input.starts_with(kUtf16BeBom);
    return DecodeVcfBuf(qzu::string(Utf16ToWide(input.substr(2), big_endian)), contact);
  }
  if (input.starts_with(kUtf8Bom)) input.remove_prefix(kUtf8Bom.size());
  return qzpam::vcard::ReadFirstCard(input, qzpam::vcard::IsValidUtf8(input), contact);
}
