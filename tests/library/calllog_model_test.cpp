// The call log's rows and texts: threads from a real store, the special
// rows, swipe deletion, and the duration and type texts the lists share.
#include "calllog/model/CallHistoryCollection.h"
#include "calllog/model/CallTexts.h"
#include "calllog/model/CallableNumber.h"
#include "calllog_fixture.h"

namespace calllog_test {
namespace {

class CallHistoryModelTest : public contactdata_test::StoreTest {
 protected:
  static void AddThreads(int count, int type = CALL_TYPE_OUTGOING) {
    for (int i = 0; i < count; ++i) AddCall((L"1380013" + std::to_wstring(1000 + i)).c_str(), type, 30, i);
  }
  std::vector<int> Kinds() {
    std::vector<int> kinds;
    for (int i = 0; i < rows.GetItemCount(); ++i) kinds.push_back(rows.GetRow(i)->rowKind);
    return kinds;
  }
  CallHistoryCollection rows;
};

TEST_F(CallHistoryModelTest, FiftyThreadsEndWithTheMoreRowFewerWithTheHint) {
  rows.LoadCallHistory(false, true);
  EXPECT_EQ(rows.GetItemCount(), 0) << "no calls, no special row either";

  AddThreads(49);
  rows.LoadCallHistory(false, true);
  ASSERT_EQ(rows.GetItemCount(), 50);
  EXPECT_EQ(rows.GetRow(48)->rowKind, CALL_ROW_CALL);
  EXPECT_EQ(rows.GetRow(49)->rowKind, CALL_ROW_HINT);
  EXPECT_EQ(rows.GetItemText(49).str(), L"") << "the hint has no main text";
  EXPECT_EQ(rows.GetItemSubText(49).str(), Str(849));

  AddCall(L"13900000000", CALL_TYPE_INCOMING, 5, 100);
  rows.LoadCallHistory(false, true);
  ASSERT_EQ(rows.GetItemCount(), 51);
  EXPECT_EQ(rows.GetRow(0)->number, L"13900000000") << "newest first";
  EXPECT_EQ(rows.GetRow(50)->rowKind, CALL_ROW_MORE);
  EXPECT_FALSE(rows.CanDeleteItem(50));
  EXPECT_FALSE(rows.IsDrawItemGridline(50));
  EXPECT_NE(rows.GetDrawItemFunPointer(50), nullptr);
  EXPECT_EQ(rows.GetDrawItemFunPointer(49), nullptr);

  AddThreads(60);  // ten more numbers
  rows.LoadCallHistory(false, false);
  EXPECT_EQ(rows.GetItemCount(), 62) << "61 threads and the hint: an unlimited load has no more row";
  EXPECT_EQ(rows.GetRow(61)->rowKind, CALL_ROW_HINT);
}

TEST_F(CallHistoryModelTest, TheHintSwipedAwayStaysAwayAndDeletesNoCall) {
  AddThreads(3);
  rows.LoadCallHistory(false, true);
  const int calls = db()->GetCallsChangeCount();
  ASSERT_TRUE(rows.CanDeleteItem(3));
  rows.DeleteItem(3);
  EXPECT_EQ(rows.GetItemCount(), 3);
  EXPECT_EQ(db()->GetCallsChangeCount(), calls);
  rows.LoadCallHistory(true, true);
  rows.LoadCallHistory(false, true);
  EXPECT_EQ(Kinds(), (std::vector<int>{0, 0, 0}));
  rows.DeleteItem(-1);
  rows.DeleteItem(3);
  EXPECT_EQ(rows.GetItemCount(), 3) << "rows outside the list are ignored";
}

TEST_F(CallHistoryModelTest, RowTextsOfAContactAStrangerAndAHiddenCaller) {
  AddContact(L"Ann", {{L"13800138000", 0}});
  AddCall(L"+86 138 0013 8000", CALL_TYPE_OUTGOING, 75, 3);
  AddCall(L"13912345678", CALL_TYPE_MISSED, 3, 2);
  AddCall(L"", CALL_TYPE_INCOMING, 6000, 1);
  AddCall(L"12", CALL_TYPE_REJECTED, 1, 0);
  rows.LoadCallHistory(false, true);
  ASSERT_EQ(rows.GetItemCount(), 5);

  EXPECT_EQ(rows.GetItemText(0).str(), L"Ann");
  EXPECT_EQ(rows.GetItemSubText(0).str(), L"+86 138 0013 8000") << "the number as recorded";
  EXPECT_EQ(rows.GetItemText4(0).str(), L"1分15秒");
  EXPECT_EQ(rows.GetItemText(1).str(), L"13912345678");
  EXPECT_FALSE(rows.GetRow(1)->region.empty()) << "a stranger's mobile number has a region";
  EXPECT_EQ(rows.GetItemSubText(1).str(), rows.GetRow(1)->region.str());
  EXPECT_EQ(rows.GetItemText4(1).str(), L"3次响铃");
  EXPECT_EQ(rows.GetItemText(2).str(), Str(842));
  EXPECT_EQ(rows.GetItemSubText(2).str(), Str(752));
  EXPECT_EQ(rows.GetItemText4(2).str(), L"100分");
  EXPECT_EQ(rows.GetItemText(3).str(), L"12");
  EXPECT_EQ(rows.GetItemSubText(3).str(), Str(752)) << "a short code has no region";
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(rows.GetItemText3(i).IsEmpty()) << "date of row " << i;

  int contactId = -1;
  qzu::string number;
  EXPECT_TRUE(rows.GetItemInfo(0, contactId, number));
  EXPECT_GT(contactId, 0);
  EXPECT_FALSE(rows.GetItemInfo(5, contactId, number));
  // Images by call type, the pressed look five ids on; none for special rows.
  EXPECT_TRUE(rows.GetItemImage(0)->IsLoaded());
  EXPECT_NE(rows.GetItemImage(0), rows.GetItemImagePressed(0));
  EXPECT_EQ(rows.GetItemImage(4), nullptr);
}

TEST_F(CallHistoryModelTest, SwipingAThreadAwayDeletesExactlyThatNumbersCalls) {
  AddCall(L"+86 138 0013 8000", CALL_TYPE_MISSED, 2, 0);
  AddCall(L"13800138000", CALL_TYPE_OUTGOING, 30, 1);
  AddCall(L"13800138000", CALL_TYPE_MISSED, 2, 2);
  AddCall(L"13900000000", CALL_TYPE_MISSED, 2, 3);
  AddCall(L"1234", CALL_TYPE_MISSED, 1, 4);
  AddCall(L"13899991234", CALL_TYPE_MISSED, 1, 5);

  rows.LoadCallHistory(true, true);
  ASSERT_EQ(rows.GetItemCount(), 5);  // four missed threads and the hint
  ASSERT_EQ(rows.GetRow(3)->number, L"13800138000");
  rows.DeleteItem(3);
  int time = 0, value = 0, type = 0;
  std::vector<int> left;
  for (bool first = true; db()->GetCallHistoryByPN(L"13800138000", 99, time, value, type, first); first = false)
    left.push_back(type);
  EXPECT_EQ(left, (std::vector<int>{CALL_TYPE_OUTGOING})) << "missed mode deletes only the missed calls";

  rows.LoadCallHistory(false, true);
  ASSERT_EQ(rows.GetRow(1)->number, L"1234");
  rows.DeleteItem(1);
  rows.LoadCallHistory(false, true);
  std::vector<std::wstring> numbers;
  for (int i = 0; i < rows.GetItemCount() - 1; ++i) numbers.push_back(rows.GetRow(i)->number.str());
  EXPECT_EQ(numbers, (std::vector<std::wstring>{L"13899991234", L"13900000000", L"13800138000"}))
      << "a short code is not the end of a longer number";
}

TEST(CallTexts, DurationsRingsAndTypeLabels) {
  vorna::test::TempDeviceRoot root;
  const struct {
    int type, value;
    const wchar_t* text;
  } cases[] = {
      {1, 0, L"0秒"},          {2, 5, L"5秒"},       {1, 60, L"1分00秒"},  {1, 75, L"1分15秒"},
      {2, 5999, L"99分59秒"},  {1, 6000, L"100分"},  {1, 6059, L"100分"},  {1, -7, L"0秒"},
      {1, 2147483647, L"35791394分"}, {3, 3, L"3次响铃"}, {4, 0, L"0次响铃"}, {9, 2, L"2次响铃"},
  };
  for (const auto& c : cases) {
    CQzStringW text = L"old";
    FormatCallDuration(c.type, c.value, text);
    EXPECT_EQ(text.str(), c.text) << c.type << " " << c.value;
  }
  const UINT labels[] = {0, 868, 869, 632, 870, 871, 0};
  for (int type = 0; type <= 6; ++type) EXPECT_EQ(GetCallTypeLabel(type), labels[type]) << type;
}

TEST(CallableNumber, OnlyPlainNumbersReachACommandLine) {
  EXPECT_TRUE(IsCallableNumber(L"+86 (138) 0013-8000"));
  EXPECT_TRUE(IsCallableNumber(L"*#06#"));
  EXPECT_TRUE(IsCallableNumber(qzu::string(std::wstring(64, L'1'))));
  EXPECT_FALSE(IsCallableNumber(L""));
  EXPECT_FALSE(IsCallableNumber(qzu::string(std::wstring(65, L'1'))));
  EXPECT_FALSE(IsCallableNumber(L"138\n-v evil"));
  EXPECT_FALSE(IsCallableNumber(L"138\u2593body"));
}

}  // namespace
}  // namespace calllog_test
