// Group names between their stored and displayed forms, and the type labels.
#include <gtest/gtest.h>

#include <vector>

#include "contactdata/GroupNames.h"
#include "contactdata/TypeLabel.h"

namespace {

TEST(GroupNames, OnlyTheExactNameOfTheBlacklistIsTranslatedEitherWay) {
  struct Case {
    const wchar_t* stored;
    const wchar_t* shown;
  };
  const Case cases[] = {
      {L"_$!<Blacklist>!$_", L"黑名单"},
      {L"Blacklist", L"Blacklist"},
      {L"_$!<Blacklist>!$_ ", L"_$!<Blacklist>!$_ "},
      {L"_$!<blacklist>!$_", L"_$!<blacklist>!$_"},
      {L"_$!<Friends>!$_", L"_$!<Friends>!$_"},
      {L"_$!<", L"_$!<"},
      {L"_$!<Blacklist", L"_$!<Blacklist"},
      {L" _$!<Blacklist>!$_", L" _$!<Blacklist>!$_"},
      {L">!$_", L">!$_"},
      {L"", L""},
      {L"同事", L"同事"},
  };
  for (const Case& c : cases) EXPECT_EQ(GetGroupDisplayName(c.stored), c.shown) << '"' << c.stored << '"';
  // The other way, only the localized blacklist name itself has a key.
  EXPECT_EQ(GetGroupStoreName(L"黑名单"), L"_$!<Blacklist>!$_");
  EXPECT_EQ(GetGroupStoreName(L"黑名单 "), L"黑名单 ");
  EXPECT_EQ(GetGroupStoreName(L"朋友"), L"朋友");
  EXPECT_EQ(GetGroupStoreName(L""), L"");
  // Any name round-trips through both conversions.
  for (const wchar_t* name : {L"黑名单", L"朋友", L"_$!<Other>!$_"})
    EXPECT_EQ(GetGroupDisplayName(GetGroupStoreName(name)), name);
}

TEST(GroupNames, CombinedNamesAreDisplayNamesSeparatedBySingleSpaces) {
  EXPECT_EQ(GetComboGroupName({}), L"");
  EXPECT_EQ(GetComboGroupName({L"同事", L"_$!<Blacklist>!$_"}), L"同事 黑名单");
  // Nothing is trimmed, sorted or merged.
  EXPECT_EQ(GetComboGroupName({L"b ", L"", L"a", L"a"}), L"b   a a");
}

TEST(TypeLabels, EachKindHasItsTableAndCodesOutsideItGetCodeZero) {
  // The labels of codes -1 to 5 of each kind; kinds outside the table get none.
  const std::vector<std::vector<UINT>> labels = {
      {614, 614, 615, 616, 617, 625, 614}, {618, 618, 616, 625, 618, 618, 618}, {618, 618, 616, 625, 618, 618, 618},
      {618, 618, 616, 625, 618, 618, 618}, {618, 618, 616, 625, 618, 618, 618}, {615, 615, 616, 625, 615, 615, 615},
      {0, 0, 0, 0, 0, 0, 0}};
  for (int kind = 0; kind < static_cast<int>(labels.size()); ++kind)
    for (int code = -1; code <= 5; ++code)
      EXPECT_EQ(GetTypeLabelId(kind, code), labels[kind][code + 1]) << kind << "/" << code;
  EXPECT_EQ(GetTypeLabelId(-1, 0), 0u);
}

}  // namespace
