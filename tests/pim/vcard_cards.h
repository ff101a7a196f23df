// Cards for the vCard tests: read from a file, written line by line, decoded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "qzpam/CVcardCodec.h"

namespace pimtest {

inline std::string ReadBytes(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

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
