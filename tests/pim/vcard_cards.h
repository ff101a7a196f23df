// Cards for the vCard tests: written line by line, and decoded.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "qzpam/CVcardCodec.h"

namespace pimtest {

// The lines, each followed by the next of `ends` in turn.
inline std::string Card(const std::vector<std::string>& lines, const std::vector<std::string>& ends = {"\n"}) {
  std::string out;
  for (std::size_t i = 0; i < lines.size(); ++i) out += lines[i] + ends[i % ends.size()];
  return out;
}

// The contact a card gives; a card that does not decode fails the test.
inline CContactInfo Decoded(const std::string& bytes) {
  CContactInfo contact;
  EXPECT_TRUE(CVcardCodec().DecodeVcfBytes(bytes.data(), bytes.size(), contact)) << bytes;
  return contact;
}

}  // namespace pimtest
