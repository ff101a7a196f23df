// Smart dial: which contacts the dial pad's digits find, in which order,
// and what each suggestion highlights.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <mutex>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "contacts/ContactSnapshot.h"
#include "qzpam/StoreBatch.h"
#include "store/StoreHolder.h"
#include "store_helpers.h"
#include "t9/T9Match.h"

namespace {

using pimtest::StoreTest;

struct Suggestion {
  std::wstring name;
  std::wstring number;
  std::vector<int> nameMarks;
  std::vector<int> numberMarks;
};

class T9Suggestions : public StoreTest {
 protected:
  std::vector<Suggestion> Find(const wchar_t* digits) {
    std::vector<Suggestion> found;
    T9Suggestion row;
    for (bool first = true; db()->GetT9Suggestions(digits, row, first); first = false) {
      Suggestion s{std::wstring(row.name.view()), std::wstring(row.number.view()), {}, {}};
      for (int i = 0; i < row.nameMarks.size(); ++i) s.nameMarks.push_back(row.nameMarks[i]);
      for (int i = 0; i < row.numberMarks.size(); ++i) s.numberMarks.push_back(row.numberMarks[i]);
      found.push_back(s);
    }
    return found;
  }

  std::vector<std::wstring> Names(const wchar_t* digits) {
    std::vector<std::wstring> names;
    for (const Suggestion& s : Find(digits)) names.push_back(s.name);
    return names;
  }
};

TEST_F(T9Suggestions, ChineseNamesMatchByReadingInitialsAndAnyMixOfSyllables) {
  Add(L"张", L"伟", {L"13800138000"});
  Add(L"", L"李四", {L"13800000001"});
  const std::vector<std::wstring> zhangWei{L"张伟"};
  for (const wchar_t* key : {L"99", L"94264934", L"942649", L"9934", L"94264", L"9", L"9426"})
    EXPECT_EQ(Names(key), zhangWei) << key;
  // A syllable cut short in the middle, or a key running past the name.
  EXPECT_TRUE(Names(L"9429").empty());
  EXPECT_TRUE(Names(L"942649345").empty());
  // A later syllable alone, from its start.
  EXPECT_EQ(Names(L"934"), zhangWei);
  EXPECT_TRUE(Names(L"34").empty());
}

TEST_F(T9Suggestions, SurnamesAreReadAsSurnames) {
  Add(L"曾", L"明");   // zeng ming, not ceng
  Add(L"单", L"田");   // shan tian, not dan
  EXPECT_EQ(Names(L"9364"), std::vector<std::wstring>{L"曾明"});
  EXPECT_TRUE(Names(L"2364").empty());
  EXPECT_EQ(Names(L"74"), std::vector<std::wstring>{L"单田"});
  EXPECT_TRUE(Names(L"3826").empty());
}

TEST_F(T9Suggestions, LatinNamesMatchFromTheStartsOfTheirWords) {
  Add(L"", L"Bob Clark");
  const std::vector<std::wstring> bob{L"Bob Clark"};
  for (const wchar_t* key : {L"262", L"225275", L"25275", L"22", L"262252"}) EXPECT_EQ(Names(key), bob) << key;
  EXPECT_TRUE(Names(L"62").empty());    // "ob" is inside a word
  EXPECT_TRUE(Names(L"5275").empty());  // "lark"
}

TEST_F(T9Suggestions, NumbersMatchWhenTheyContainTheDigitsAndAreMarked) {
  Add(L"", L"王五", {L"138-0013-8000"});
  std::vector<Suggestion> found = Find(L"0013");
  ASSERT_EQ(found.size(), 1u);
  EXPECT_EQ(found[0].number, L"138-0013-8000");
  EXPECT_EQ(found[0].numberMarks, (std::vector<int>{4, 5, 6, 7}));
  EXPECT_TRUE(found[0].nameMarks.empty());
  EXPECT_TRUE(Find(L"0014").empty());
}

TEST_F(T9Suggestions, MatchedLettersAreMarkedInTheName) {
  Add(L"", L"Bob Clark");
  Add(L"张", L"伟");
  EXPECT_EQ(Find(L"225275")[0].nameMarks, (std::vector<int>{0, 4, 5, 6, 7, 8}));
  EXPECT_EQ(Find(L"99")[0].nameMarks, (std::vector<int>{0, 1}));
  EXPECT_EQ(Find(L"9426")[0].nameMarks, (std::vector<int>{0}));
}

TEST_F(T9Suggestions, OrderIsExactOwnerThenCoverageThenCallsThenNumbers) {
  Add(L"", L"Zhang Wei Ming");                 // 99 is only a prefix of its initials
  Add(L"", L"Zhao Wen");                       // 99: initials of every word
  int often = Add(L"", L"Zhu Wu", {L"555 0101"});  // 99: initials too, called more
  Add(L"", L"Zhangwei");                       // not 99: "zh" is one word
  Add(L"", L"Wang", {L"9999"});                // the number equals the key
  Add(L"", L"Li", {L"139 9912"});              // a number contains the key
  Add(L"", L"Liu Zhao Wang");                   // from a later word
  ASSERT_GT(often, 0);
  ASSERT_TRUE(db()->InsertCall(L"5550101", 100, 10, 1));
  ASSERT_TRUE(db()->InsertCall(L"5550101", 200, 10, 1));
  EXPECT_EQ(Names(L"99"), (std::vector<std::wstring>{L"Zhu Wu", L"Zhao Wen", L"Zhang Wei Ming", L"Liu Zhao Wang",
                                                      L"Li", L"Wang"}));
  EXPECT_EQ(Names(L"9999"), (std::vector<std::wstring>{L"Wang"}));
  EXPECT_EQ(Names(L"9426")[0], L"Zhangwei");  // a whole single word ranks with whole names
}

TEST_F(T9Suggestions, NamesWithDigitsAndSymbolsAndEmptyNames) {
  Add(L"", L"A-1 Taxi!", {L"12345"});
  Add(L"", L"", {L"8888"});
  Add(L"", L"@@@");
  EXPECT_EQ(Names(L"218294"), std::vector<std::wstring>{L"A-1 Taxi!"});
  EXPECT_EQ(Names(L"8294"), std::vector<std::wstring>{L"A-1 Taxi!"});
  EXPECT_EQ(Find(L"8294")[0].nameMarks, (std::vector<int>{4, 5, 6, 7}));
  // The nameless contact is still found by its number.
  EXPECT_EQ(Find(L"888").size(), 1u);
  EXPECT_EQ(Find(L"888")[0].number, L"8888");
}

TEST_F(T9Suggestions, BadKeysFindNothingAndChangesAreSeenOnTheNextSearch) {
  Add(L"张", L"伟", {L"13800138000"});
  for (const wchar_t* key : {L"", L"9a", L"*#06#", L"+99", L"99 "}) EXPECT_TRUE(Find(key).empty()) << key;
  EXPECT_TRUE(Find(std::wstring(5000, L'9').c_str()).empty());
  EXPECT_EQ(Names(L"99").size(), 1u);
  int other = Add(L"", L"Zoe Wu");
  EXPECT_EQ(Names(L"99").size(), 2u);
  ASSERT_TRUE(db()->RemoveContact(other));
  EXPECT_EQ(Names(L"99"), std::vector<std::wstring>{L"张伟"});
}

// Suggestions are worked out lazily and ordered a stretch at a time; they
// must come out as sorting every match of the store at once puts them.
TEST_F(T9Suggestions, ComeInTheOrderOfSortingEveryMatchAtOnce) {
  std::mt19937 random(18);
  auto pick = [&](std::vector<const wchar_t*> from) { return std::wstring(from[random() % from.size()]); };
  std::map<int, uint32_t> calls;
  {
    qzpam::StoreBatch batch;
    for (int i = 0; i < 240; ++i) {
      std::wstring last = pick({L"张", L"王", L"赵", L"吴", L"徐", L"Wu ", L"Zoe "});
      std::wstring first = pick({L"伟", L"文", L"娜", L"建国", L"Wei", L"Wendy", L"Xu Yang", L""});
      std::wstring number = L"139" + std::to_wstring(10000000 + i * 7919);
      // Some own a number that is itself a key below.
      std::wstring other = pick({L"99", L"9426", L"94264934", L"0", L"", L"", L"", L""});
      int id = other.empty() ? Add(L"", (last + first).c_str(), {number.c_str()})
                             : Add(L"", (last + first).c_str(), {number.c_str(), other.c_str()});
      for (uint32_t n = random() % 4 == 0 ? random() % 3 + 1 : 0; n > 0; --n, ++calls[id])
        ASSERT_TRUE(db()->InsertCall(number.c_str(), 1000 + i, 10, 1));
    }
  }
  std::shared_ptr<qzpam::Store> store = qzpam::StoreHolder::Get();
  std::shared_ptr<const qzpam::ContactSnapshot> snapshot;
  {
    std::lock_guard lock(store->mutex());
    snapshot = qzpam::ContactSnapshot::Refresh(*store, nullptr);
  }
  ASSERT_TRUE(snapshot);

  // Every key of one and two digits, and every start of a few readings.
  std::vector<std::string> keys;
  for (char a = '0'; a <= '9'; ++a) {
    keys.push_back(std::string(1, a));
    for (char b = '0'; b <= '9'; ++b) keys.push_back(std::string{a, b});
  }
  for (size_t i = 0; i < snapshot->contacts().size(); i += 20) {
    std::string reading = qzpam::KeypadDigits(snapshot->contacts()[i]->pinyin);
    for (size_t n = 3; n <= reading.size() + 1; ++n)
      keys.push_back(reading.substr(0, n) + (n > reading.size() ? "3" : ""));
  }

  for (const std::string& key : keys) {
    // The owners of the exact number, the name matches sorted by rank and
    // calls, then the numbers holding the key, as (id, number shown).
    std::vector<std::pair<int, std::wstring>> exact, byNumber;
    std::vector<std::tuple<qzpam::T9Rank, uint32_t, int, std::wstring>> byName;
    for (const auto& contact : snapshot->contacts()) {
      const qzpam::SnapshotNumber* equal = nullptr;
      const qzpam::SnapshotNumber* holding = nullptr;
      for (const qzpam::SnapshotNumber& number : contact->numbers) {
        if (!equal && number.digits == key) equal = &number;
        if (!holding && number.digits.find(key) != std::string::npos) holding = &number;
      }
      qzpam::T9Rank rank = qzpam::MatchReading(qzpam::KeypadDigits(contact->pinyin), contact->syllableStarts, key).rank;
      if (equal)
        exact.emplace_back(contact->id, equal->value);
      else if (rank != qzpam::T9Rank::None)
        byName.emplace_back(rank, ~calls[contact->id], contact->id, contact->detail);
      else if (holding)
        byNumber.emplace_back(contact->id, holding->value);
    }
    std::stable_sort(byName.begin(), byName.end(), [](const auto& a, const auto& b) {
      return std::tie(std::get<0>(a), std::get<1>(a)) < std::tie(std::get<0>(b), std::get<1>(b));
    });
    std::vector<std::pair<int, std::wstring>> expected = exact;
    for (const auto& [rank, inverseCalls, id, number] : byName) expected.emplace_back(id, number);
    expected.insert(expected.end(), byNumber.begin(), byNumber.end());

    std::vector<std::pair<int, std::wstring>> found;
    T9Suggestion row;
    std::wstring typed(key.begin(), key.end());
    for (bool first = true; db()->GetT9Suggestions(typed.c_str(), row, first); first = false)
      found.emplace_back(row.id, std::wstring(row.number.view()));
    EXPECT_EQ(found, expected) << key;
  }
}

TEST(T9Match, BacktracksOverSyllablesThatCouldBeTakenWholeOrByInitial) {
  // "ab ab ab": taking the first syllable whole must not block the match.
  std::string digits = qzpam::KeypadDigits("ababab");
  std::vector<uint16_t> starts{0, 2, 4};
  qzpam::T9Match match = qzpam::MatchReading(digits, starts, "2222");
  EXPECT_EQ(match.rank, qzpam::T9Rank::WholeName);
  int taken = 0;
  for (uint8_t t : match.taken) taken += t;
  EXPECT_EQ(taken, 4);
  EXPECT_EQ(qzpam::MatchReading(digits, starts, "222").rank, qzpam::T9Rank::Initials);
  EXPECT_EQ(qzpam::MatchReading(digits, starts, "2222222").rank, qzpam::T9Rank::None);
}

}  // namespace
