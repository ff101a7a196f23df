// Group names between their stored and displayed forms, and the type labels.
#include <gtest/gtest.h>

#include "contactdata/GroupNames.h"
#include "contactdata/TypeLabel.h"

namespace {

TEST(GroupNames, OnlyTheExactStoredNameOfASpecialGroupIsTranslated) {
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
}

TEST(GroupNames, TheLocalizedBlacklistNameIsStoredUnderItsKey) {
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
  struct Case {
    int kind;
    int code;
    UINT label;
  };
  const Case cases[] = {
      {VALUE_KIND_PHONE, 0, 614},   {VALUE_KIND_PHONE, 1, 615},   {VALUE_KIND_PHONE, 2, 616},
      {VALUE_KIND_PHONE, 3, 617},   {VALUE_KIND_PHONE, 4, 625},   {VALUE_KIND_PHONE, 5, 614},
      {VALUE_KIND_PHONE, 7, 614},   {VALUE_KIND_PHONE, -1, 614},  {VALUE_KIND_EMAIL, 0, 618},
      {VALUE_KIND_EMAIL, 1, 616},   {VALUE_KIND_EMAIL, 2, 625},   {VALUE_KIND_EMAIL, 5, 618},
      {VALUE_KIND_WEB_PAGE, 2, 625}, {VALUE_KIND_MSN, 1, 616},    {VALUE_KIND_QQ, 3, 618},
      {VALUE_KIND_ADDRESS, 0, 615}, {VALUE_KIND_ADDRESS, 1, 616}, {VALUE_KIND_ADDRESS, 2, 625},
      {VALUE_KIND_ADDRESS, 9, 615}, {6, 0, 0},                    {-1, 0, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(GetTypeLabelId(c.kind, c.code), c.label) << c.kind << "/" << c.code;
}

}  // namespace
