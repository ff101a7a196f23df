// Any texts as a contact's fields: the card the writer makes is always one
// complete card that the data library reads back, and its names survive.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "contactdata/VcardWriter.h"
#include "platform/PimContract.h"

namespace {

// The input cut at zero characters into the fields' texts.
std::vector<std::wstring> Fields(const uint8_t* data, size_t size) {
  std::vector<std::wstring> fields(1);
  for (size_t i = 0; i + 2 <= size; i += 2) {
    const wchar_t c = static_cast<wchar_t>(data[i] | data[i + 1] << 8);
    if (c == 0)
      fields.emplace_back();
    else
      fields.back() += c;
  }
  fields.resize(12);
  return fields;
}

bool SafeForRoundTrip(const std::wstring& text) {
  // vCard 2.1 cannot carry a backslash before a separator, and the decoder
  // trims blanks; the rest must come back as it was.
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\\' || text[i] == L'\r') return false;
    if (text[i] >= 0xD800 && text[i] < 0xE000) return false;
  }
  return text.empty() || (text.front() != L' ' && text.front() != L'\t' && text.back() != L' ' && text.back() != L'\t');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 65536) return 0;
  const std::vector<std::wstring> f = Fields(data, size);
  CContactInfo c;
  c.UpdateNameInfo(f[0].c_str(), f[1].c_str(), f[2].c_str());
  if (!f[3].empty()) c.AddToCategoris(f[3].c_str());
  c.AddPhoneNumber(0, f[4].c_str(), static_cast<int>(size % 7) - 1, 1);
  c.AddEmail(0, f[5].c_str(), static_cast<int>(size % 4));
  c.AddAddress(0, f[6].c_str(), f[7].c_str(), f[8].c_str(), f[9].c_str(), f[10].c_str(), 1);
  c.UpdateRemark(f[11].c_str());
  c.SetPhoto(data, static_cast<int>(size % 200));

  qzu::string8 card;
  MakeVcard(c, card);
  qzu::string text;
  MakeVcardContent(c, text);

  CContactInfo decoded;
  if (!CVcardCodec().DecodeVcfBytes(card.data(), card.length(), decoded)) std::abort();
  if (SafeForRoundTrip(f[0]) && SafeForRoundTrip(f[1]) && !(f[0].empty() && f[1].empty()) &&
      (decoded.lastName.view() != f[0] || decoded.firstName.view() != f[1]))
    std::abort();
  if (SafeForRoundTrip(f[11]) && decoded.note.view() != f[11]) std::abort();
  return 0;
}
