#include "vcard/vcard_gbk.h"

#include <unicode/ucnv.h>

#include <array>
#include <memory>
#include <vector>

namespace qzpam::vcard {
namespace {

constexpr unsigned kLeadFirst = 0x81, kLeadLast = 0xFE;
constexpr unsigned kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr unsigned kTrails = kTrailLast - kTrailFirst + 1;
constexpr char16_t kNone = 0xFFFD;

struct GbkTable {
  bool ready = false;
  std::array<char16_t, 128> high_singles{};  // bytes 0x80 to 0xFF alone
  std::vector<char16_t> pairs;               // [lead - 0x81][trail - 0x40]
};

// Converts every single byte and every lead/trail pair in one ICU call and
// keeps, for each, the character it gave. Offsets tie each output unit to
// the input byte where its sequence began; a pair counts only when exactly
// one unit begins at the lead and none at the trail.
GbkTable BuildTable() {
  GbkTable table;
  UErrorCode status = U_ZERO_ERROR;
  std::unique_ptr<UConverter, void (*)(UConverter*)> converter(ucnv_open("GBK", &status), ucnv_close);
  if (U_FAILURE(status) || !converter) return table;
  ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_SUBSTITUTE, nullptr, nullptr, nullptr, &status);

  std::vector<char> input;
  for (unsigned b = 0x80; b <= 0xFF; ++b) {
    input.push_back(static_cast<char>(b));
    input.push_back(' ');  // keeps every single byte apart from the next
  }
  const std::size_t pairs_start = input.size();
  for (unsigned lead = kLeadFirst; lead <= kLeadLast; ++lead)
    for (unsigned trail = kTrailFirst; trail <= kTrailLast; ++trail) {
      input.push_back(static_cast<char>(lead));
      input.push_back(static_cast<char>(trail));
    }

  std::vector<UChar> units(input.size() * 2);
  std::vector<int32_t> offsets(units.size());
  UChar* target = units.data();
  const char* source = input.data();
  ucnv_toUnicode(converter.get(), &target, units.data() + units.size(), &source, input.data() + input.size(),
                 offsets.data(), true, &status);
  if (U_FAILURE(status)) return table;

  const std::size_t count = static_cast<std::size_t>(target - units.data());
  std::vector<int> units_at(input.size(), 0);
  std::vector<char16_t> unit_at(input.size(), kNone);
  for (std::size_t i = 0; i < count; ++i) {
    if (offsets[i] < 0) continue;
    const auto at = static_cast<std::size_t>(offsets[i]);
    ++units_at[at];
    unit_at[at] = units[i];
  }
  for (unsigned b = 0; b < 128; ++b)
    table.high_singles[b] = units_at[2 * b] == 1 ? unit_at[2 * b] : kNone;
  table.pairs.assign((kLeadLast - kLeadFirst + 1) * kTrails, kNone);
  for (std::size_t k = 0; k < table.pairs.size(); ++k) {
    const std::size_t at = pairs_start + 2 * k;
    if (units_at[at] == 1 && units_at[at + 1] == 0) table.pairs[k] = unit_at[at];
  }
  table.ready = true;
  return table;
}

const GbkTable& Table() {
  static const GbkTable table = BuildTable();
  return table;
}

}  // namespace

bool AppendGbk(std::string_view bytes, std::wstring& out) {
  const GbkTable& table = Table();
  if (!table.ready) return false;
  out.reserve(out.size() + bytes.size());
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      out.push_back(static_cast<wchar_t>(b));
      continue;
    }
    if (b >= kLeadFirst && b <= kLeadLast && i + 1 < bytes.size()) {
      const auto trail = static_cast<unsigned char>(bytes[i + 1]);
      if (trail >= kTrailFirst && trail <= kTrailLast) {
        out.push_back(static_cast<wchar_t>(table.pairs[(b - kLeadFirst) * kTrails + (trail - kTrailFirst)]));
        ++i;
        continue;
      }
    }
    out.push_back(static_cast<wchar_t>(table.high_singles[b - 0x80]));
  }
  return true;
}

}  // namespace qzpam::vcard
