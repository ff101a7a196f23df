// Group names under a UI language whose strings cannot be loaded.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string_view>

#include "contactdata/GroupNames.h"
#include "contactdata/VcardWriter.h"
#include "core/module/Resources.h"

namespace {

// Without its text the blacklist keeps its stored name both ways: it is not
// shown (nor written into a card) blank, and an empty name is no blacklist.
// The string module is chosen once per process, hence a process of its own.
TEST(GroupNamesWithoutStrings, TheBlacklistKeepsItsStoredName) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        setenv("VORNA_UI_LANG", "0407", 1);  // no satellite is built for it
        const qzu::string blacklist = L"_$!<Blacklist>!$_";
        CContactInfo contact;
        contact.UpdateNameInfo(L"", L"Ann", L"");
        contact.AddToCategoris(blacklist);
        qzu::string8 card;
        MakeVcard(contact, card);
        const bool ok = LoadResString(677).IsEmpty() && GetGroupDisplayName(blacklist) == blacklist &&
                        GetGroupStoreName(L"") == L"" && GetGroupStoreName(blacklist) == blacklist &&
                        std::string_view(card.view()).find("\nCATEGORIES:_$!<Blacklist>!$_\n") != std::string_view::npos;
        std::_Exit(ok ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

}  // namespace
