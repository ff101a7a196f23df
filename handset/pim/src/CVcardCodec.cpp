#include "qzpam/CVcardCodec.h"

#include <string>
#include <string_view>

#include "vcard/vcard_card_reader.h"
#include "vcard/vcard_encodings.h"

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

}  // namespace

bool CVcardCodec::DecodeVcfBuf(const qzu::string& text, CContactInfo& contact) const {
  if (text.empty() || text.length() > kMaxCardBytes) return false;
  // Wide text holds characters already; UTF-8 stands for them unchanged.
  // Quoted-printable values still carry bytes and get their code page then.
  const std::string utf8 = qzpam::vcard::WideToUtf8(text.view());
  return qzpam::vcard::ReadFirstCard(utf8, true, contact);
}

bool CVcardCodec::DecodeVcfBytes(const char* bytes, std::size_t length, CContactInfo& contact) const {
  if (!bytes || length == 0 || length > kMaxCardBytes) return false;
  std::string_view input(bytes, length);
  if (input.starts_with(kUtf8Bom)) input.remove_prefix(kUtf8Bom.size());
  return qzpam::vcard::ReadFirstCard(input, qzpam::vcard::IsValidUtf8(input), contact);
}
