#include <gtest/gtest.h>

#include <functional>

#include "pim_test_print.h"
#include "qzpam/qzu_array.h"
#include "qzpam/qzu_string.h"

namespace {

TEST(QzuString, SizeCountsTheTerminator) {
  qzu::string none;
  EXPECT_EQ(none.size(), 1u);
  EXPECT_EQ(none.length(), 0u);
  EXPECT_TRUE(none.empty());
  EXPECT_EQ(none.c_str()[0], L'\0');

  qzu::string name = L"张三";
  EXPECT_EQ(name.size(), 3u);
  EXPECT_EQ(name.length(), 2u);
  EXPECT_FALSE(name.empty());

  const wchar_t* null_text = nullptr;
  EXPECT_TRUE(qzu::string(null_text).empty());
}

TEST(QzuString, IntegerConstructorGivesDecimalText) {
  EXPECT_EQ(qzu::string(0), L"0");
  EXPECT_EQ(qzu::string(-42), L"-42");
  EXPECT_EQ(qzu::string(2147483647), L"2147483647");
  EXPECT_EQ(qzu::string(-9223372036854775807LL - 1), L"-9223372036854775808");
  EXPECT_EQ(qzu::string8(123u), "123");
}

TEST(QzuString, ConcatenationComparisonAndBuffers) {
  qzu::string s = L"ab";
  s += L"c";
  s += qzu::string(L"d");
  s += L'e';
  EXPECT_EQ(s, L"abcde");
  EXPECT_EQ(L"x" + s + L"y", L"xabcdey");
  EXPECT_LT(qzu::string(L"abc"), qzu::string(L"abd"));
  EXPECT_NE(qzu::string(L"abc"), L"ab");
  EXPECT_EQ(s.substr(3), L"de");
  EXPECT_EQ(std::hash<qzu::string>()(s), std::hash<qzu::string>()(qzu::string(L"abcde")));
  EXPECT_TRUE(s.substr(99).empty());

  wchar_t* buffer = s.get_buffer(16);
  buffer[0] = L'Z';
  buffer[1] = L'\0';
  s.release_buffer();
  EXPECT_EQ(s, L"Z");
  EXPECT_EQ(s.size(), 2u);

  // The 8-bit form carries bytes, including ones above 0x7F.
  qzu::string8 bytes;
  const char gbk[] = "\xD5\xC5\xC8\xFD";
  bytes.assign(gbk, 4);
  EXPECT_EQ(bytes.length(), 4u);
  EXPECT_EQ(bytes.size(), 5u);
  EXPECT_EQ(bytes.c_str()[4], '\0');
}

struct Record {
  qzu::string text;
  int value = 0;
  Record() = default;
  Record(const Record& other) : text(other.text), value(other.value) {}
  Record& operator=(const Record& other) {
    text = other.text;
    value = other.value;
    return *this;
  }
};

TEST(QzuArray, AddInsertRemoveAndBounds) {
  qzu::array<int> numbers;
  EXPECT_EQ(numbers.add(7), 0);
  EXPECT_EQ(numbers.add(9), 1);
  EXPECT_TRUE(numbers.insert(1, 8));
  EXPECT_FALSE(numbers.insert(5, 1));
  EXPECT_FALSE(numbers.remove(3));
  EXPECT_FALSE(numbers.remove(-1));
  EXPECT_EQ(numbers, (qzu::array<int>{7, 8, 9}));
  EXPECT_TRUE(numbers.remove(0));
  EXPECT_EQ(numbers, (qzu::array<int>{8, 9}));
  numbers.clear();
  EXPECT_TRUE(numbers.empty());

  qzu::array<Record> records;
  Record r;
  r.text = L"one";
  r.value = 1;
  records.add(r);
  qzu::array<Record> copy = records;
  copy[0].text = L"changed";
  EXPECT_EQ(records[0].text, L"one");
  EXPECT_EQ(copy.count(), 1);
}

}  // namespace
