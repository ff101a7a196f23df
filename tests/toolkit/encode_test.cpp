#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "qzfc/QzEncode.h"

namespace {

std::string Base64(const std::string& in) {
  char out[256];
  int n = QzBase64Encode(in.data(), static_cast<int>(in.size()), out, sizeof out);
  EXPECT_EQ(n, static_cast<int>(strlen(out)));
  return out;
}

std::string QP(const std::string& in, int maxLine = 76) {
  std::vector<char> out(in.size() * 4 + 16);
  int n = QzQPEncode(in.data(), static_cast<int>(in.size()), out.data(), static_cast<int>(out.size()), maxLine);
  EXPECT_EQ(n, static_cast<int>(strlen(out.data())));
  return out.data();
}

int HexValue(char c) { return c <= '9' ? c - '0' : c - 'A' + 10; }

// A strict decoder: only upper-case escapes and CRLF soft breaks.
std::string DecodeQP(const std::string& in) {
  std::string out;
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] != '=') {
      out += in[i];
      continue;
    }
    if (in.compare(i + 1, 2, "\r\n") == 0) {
      i += 2;
      continue;
    }
    out += static_cast<char>(HexValue(in[i + 1]) * 16 + HexValue(in[i + 2]));
    i += 2;
  }
  return out;
}

TEST(Base64Encode, VectorsPhotoChunksAndBufferConventions) {
  const char* encoded[] = {"", "Zg==", "Zm8=", "Zm9v", "Zm9vYg==", "Zm9vYmE=", "Zm9vYmFy"};
  for (size_t n = 0; n <= 6; ++n) EXPECT_EQ(Base64(std::string("foobar", n)), encoded[n]);
  EXPECT_EQ(Base64(std::string("\xfb\xff\x00", 3)), "+/8A");

  // The vCard writer cuts a photo into 48-byte chunks and encodes each into
  // 76 bytes: a full chunk is 64 characters with no padding, the rest of a
  // 100-byte photo (4 bytes) 8 characters ending in padding.
  std::vector<BYTE> photo(100);
  for (size_t i = 0; i < photo.size(); ++i) photo[i] = static_cast<BYTE>(i * 37 + 11);
  char buffer[76];
  EXPECT_EQ(QzBase64Encode(photo.data(), 48, buffer, sizeof buffer), 64);
  EXPECT_EQ(std::string(buffer).find('='), std::string::npos);
  EXPECT_EQ(QzBase64Encode(photo.data() + 96, 4, buffer, sizeof buffer), 8);
  EXPECT_EQ(std::string(buffer).substr(6), "==");

  EXPECT_EQ(QzBase64Encode("abcd", 4, nullptr, 0), 8);  // size query
  EXPECT_EQ(QzBase64Encode("abcd", 4, buffer, 8), 0);   // no room for the terminator
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(QzBase64Encode(nullptr, 3, buffer, 9), 0);
  EXPECT_EQ(QzBase64Encode("abc", -1, buffer, 9), 0);
}

TEST(QPEncode, Rfc2045RulesAndNoteChunksThatFitTheSeventySixByteBuffer) {
  // Trailing white space is encoded; GBK text is escaped byte by byte.
  for (auto [in, out] : {std::pair<std::string, std::string>{"Hello, world!", "Hello, world!"}, {"a=b", "a=3Db"},
                         {"caf\xe9", "caf=E9"}, {"a b\tc", "a b\tc"}, {"end ", "end=20"},
                         {"line1\r\nline2", "line1=0D=0Aline2"}, {std::string("\x00\x7f", 2), "=00=7F"},
                         {"\xc4\xe3\xba\xc3", "=C4=E3=BA=C3"}})
    EXPECT_EQ(QP(in), out);

  // 24 bytes that all need escaping give exactly 72 characters, no soft break.
  std::string chunk(24, '\xff');
  char buffer[76];
  EXPECT_EQ(QzQPEncode(chunk.data(), 24, buffer, sizeof buffer), 72);
  EXPECT_EQ(std::string(buffer).find('\n'), std::string::npos);
  EXPECT_EQ(QzQPEncode(chunk.data(), 24, nullptr, 0), 72);
  EXPECT_EQ(QzQPEncode(chunk.data(), 24, buffer, 72), 0);
  EXPECT_STREQ(buffer, "");
}

TEST(QPEncode, SoftBreaksKeepLinesShortAndDecodeBack) {
  std::mt19937 random(7);
  for (int maxLine : {0, 4, 10, 76}) {
    for (int length : {1, 75, 76, 77, 300}) {
      std::string data;
      for (int i = 0; i < length; ++i) data += static_cast<char>(random() % 4 == 0 ? random() % 256 : 'a' + random() % 26);
      std::string encoded = QP(data, maxLine);
      EXPECT_EQ(DecodeQP(encoded), data) << "line " << maxLine << " length " << length;
      size_t start = 0;
      for (size_t end; (end = encoded.find("\r\n", start)) != std::string::npos; start = end + 2) {
        EXPECT_LE(static_cast<int>(end - start), maxLine);
        EXPECT_EQ(encoded[end - 1], '=');
      }
      if (maxLine > 0) {
        EXPECT_LE(static_cast<int>(encoded.size() - start), maxLine);
      } else {
        EXPECT_EQ(encoded.find('\n'), std::string::npos);
      }
    }
  }
}

}  // namespace
