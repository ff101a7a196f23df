#include <gtest/gtest.h>

#include "pim_test_print.h"
#include "qzpam/qzu_array.h"
#include "qzpam/qzu_string.h"

namespace {

TEST(QzuString, SizeCountsTheTerminatorAndNullGivesEmpty) {
  const wchar_t* null_text = nullptr;
  for (const qzu::string& none : {qzu::string(), qzu::string(null_text)}) {
    EXPECT_EQ(none.size(), 1u);
    EXPECT_TRUE(none.empty());
    EXPECT_EQ(none.c_str()[0], L'\0');
  }
  qzu::string name = L"张三";
  EXPECT_EQ(name.size(), 3u);
  EXPECT_EQ(name.length(), 2u);
  EXPECT_TRUE(qzu::string(L"ab").substr(99).empty());
  EXPECT_TRUE(qzu::string() == static_cast<const wchar_t*>(nullptr));
}

TEST(QzuString, IntegerConstructorGivesDecimalText) {
  EXPECT_EQ(qzu::string(-42), L"-42");
  EXPECT_EQ(qzu::string(-9223372036854775807LL - 1), L"-9223372036854775808");
  EXPECT_EQ(qzu::string8(123u), "123");
}

TEST(QzuString, ReleasedBufferEndsAtTheFirstZero) {
  qzu::string s = L"abcde";
  wchar_t* buffer = s.get_buffer(16);
  buffer[0] = L'Z';
  buffer[1] = L'\0';
  s.release_buffer();
  EXPECT_EQ(s, L"Z");
  EXPECT_EQ(s.size(), 2u);
}

TEST(QzuString, AssignRefillsAndMayTakeFromItself) {
  qzu::string s = L"a long enough text";
  s.assign(L"xyz", 3);  // fits the buffer it has
  EXPECT_EQ(s, L"xyz");
  s.assign(s.data() + 1, 2);  // a part of itself
  EXPECT_EQ(s, L"yz");
  s = L"abcdef";
  s.assign(s.data(), 3);
  EXPECT_EQ(s, L"abc");
  s.assign(nullptr, 5);
  EXPECT_TRUE(s.empty());
}

TEST(QzuArray, IndexesOutOfRangeChangeNothing) {
  qzu::array<int> numbers{7, 9};
  EXPECT_TRUE(numbers.insert(1, 8));
  EXPECT_TRUE(numbers.insert(3, 10));  // size() appends
  EXPECT_FALSE(numbers.insert(5, 1));
  EXPECT_FALSE(numbers.insert(-1, 1));
  EXPECT_FALSE(numbers.remove(4));
  EXPECT_FALSE(numbers.remove(-1));
  EXPECT_EQ(numbers, (qzu::array<int>{7, 8, 9, 10}));
  EXPECT_TRUE(numbers.remove(0));
  EXPECT_EQ(numbers, (qzu::array<int>{8, 9, 10}));
}

}  // namespace
