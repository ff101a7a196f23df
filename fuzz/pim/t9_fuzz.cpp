// The smart-dial matcher on any reading, name and key: it must end quickly,
// and what it reports must fit the input (the key's digits all taken, marks
// inside the name and the number). The index's quick tests and shortcuts
// must rank the name as the matcher does.
//
// Input: key bytes, a newline, then the name; the reading is made from the
// name's bytes (letters and digits, a space between syllables).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "contacts/FuzzyIndex.h"
#include "t9/T9Index.h"
#include "t9/T9Marks.h"
#include "t9/T9Match.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  size_t split = input.find('\n');
  if (split == std::string::npos) return 0;
  std::string key;
  for (size_t i = 0; i < split; ++i) key += static_cast<char>('0' + static_cast<uint8_t>(input[i]) % 10);
  std::wstring name;
  std::string reading;
  std::vector<uint16_t> starts;
  for (size_t i = split + 1; i < input.size() && reading.size() < 60000; ++i) {
    uint8_t b = static_cast<uint8_t>(input[i]);
    name += static_cast<wchar_t>(b < 0x80 ? b : 0x4E00 + b);
    if (b % 37 == 36) continue;  // a syllable boundary
    if (reading.empty() || static_cast<uint8_t>(input[i - 1]) % 37 == 36) starts.push_back(static_cast<uint16_t>(reading.size()));
    reading += static_cast<char>(b % 37 < 26 ? 'a' + b % 37 : '0' + b % 37 - 26);
  }
  qzpam::T9Match match = qzpam::MatchReading(qzpam::KeypadDigits(reading), starts, key);
  if (match.rank != qzpam::T9Rank::None) {
    size_t taken = 0;
    for (uint8_t t : match.taken) taken += t;
    if (taken != key.size()) abort();
  }
  for (int mark : qzpam::NameMarks(name, match))
    if (mark < 0 || static_cast<size_t>(mark) >= name.size()) abort();
  for (int mark : qzpam::NumberMarks(name, key))
    if (mark < 0 || static_cast<size_t>(mark) >= name.size()) abort();

  if (key.empty()) return 0;
  auto contact = std::make_shared<qzpam::SnapshotContact>();
  contact->pinyin = reading;
  contact->syllableStarts = starts;
  auto fuzzy = std::make_shared<const qzpam::FuzzyIndex>(qzpam::ContactSnapshot::Contacts{contact});
  qzpam::T9Index index(fuzzy);
  qzpam::T9Key typed(key);
  qzpam::T9Reading scratch;
  if (index.NameRank(0, typed, scratch) != match.rank) abort();
  bool fromStart = match.rank != qzpam::T9Rank::None && match.rank != qzpam::T9Rank::Inside;
  if (fromStart && !index.MayMatchFromStart(0, typed)) abort();
  return 0;
}
