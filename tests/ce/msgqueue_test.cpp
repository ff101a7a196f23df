#include "ce/msgqueue.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "peer_process.h"
#include "temp_root.h"
#include "test_helpers.h"

namespace {

using vorna::test::FailedWith;

using Record = std::array<uint32_t, 3>;
constexpr const wchar_t* kShellQueue = L"QueueNameOfShellNotifyMessage";

// An end of the shell subscription's queue: 16 messages of 12 bytes.
HANDLE OpenShellQueue(BOOL readAccess, DWORD flags = MSGQUEUE_ALLOW_BROKEN) {
  MSGQUEUEOPTIONS options{20, flags, 16, 12, readAccess};
  return CreateMsgQueue(kShellQueue, &options);
}

BOOL Write(HANDLE queue, Record record, DWORD timeout = 0) {
  return WriteMsgQueue(queue, record.data(), sizeof record, timeout, 0);
}

// Reads one record into `got`; whether there was one.
BOOL Read(HANDLE queue, Record& got, DWORD timeout = 0, DWORD* flags = nullptr) {
  DWORD bytes = 0;
  return ReadMsgQueue(queue, got.data(), sizeof got, &bytes, timeout, flags);
}

// Messages, limit, size, readers and writers of the queue.
std::vector<DWORD> Info(HANDLE queue) {
  MSGQUEUEINFO info{};
  info.dwSize = sizeof info;
  if (!GetMsgQueueInfo(queue, &info)) return {};
  return {info.dwCurrentMessages, info.dwMaxMessages, info.cbMaxMessage, info.wNumReaders, info.wNumWriters};
}

class MsgQueueTest : public ::testing::Test {
 protected:
  vorna::test::TempDeviceRoot root;
};

TEST_F(MsgQueueTest, FullQueueRefusesAtOnceAndKeepsOrder) {
  HANDLE writer = OpenShellQueue(FALSE);
  ASSERT_NE(writer, nullptr);
  for (uint32_t i = 0; i < 16; ++i) ASSERT_TRUE(Write(writer, {1, i, 2})) << "no reader needed with ALLOW_BROKEN";
  EXPECT_TRUE(FailedWith(Write(writer, {1, 99, 2}), ERROR_TIMEOUT));

  HANDLE reader = OpenShellQueue(TRUE);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
  EXPECT_EQ(Info(reader), (std::vector<DWORD>{16, 16, 12, 1, 1}));

  for (uint32_t i = 0; i < 16; ++i) {
    Record got{};
    DWORD bytes = 0, flags = 7;
    ASSERT_TRUE(ReadMsgQueue(reader, got.data(), sizeof got, &bytes, 0, &flags));
    EXPECT_EQ(bytes, 12u);
    EXPECT_EQ(flags, 0u);
    EXPECT_EQ(got, (Record{1, i, 2}));
  }
  Record got{};
  EXPECT_TRUE(FailedWith(Read(reader, got), ERROR_TIMEOUT));
  EXPECT_FALSE(Read(reader, got, 5)) << "a bounded wait ends";
  EXPECT_TRUE(CloseMsgQueue(writer));
  EXPECT_TRUE(CloseMsgQueue(reader));
}

TEST_F(MsgQueueTest, BadArgumentsFailAtOnceAndOversizedMessagesOrSmallBuffersLoseNothing) {
  MSGQUEUEOPTIONS good{20, 0, 16, 12, FALSE};
  EXPECT_EQ(CreateMsgQueue(kShellQueue, nullptr), nullptr);
  EXPECT_EQ(CreateMsgQueue(nullptr, &good), nullptr);
  EXPECT_EQ(CreateMsgQueue(L"", &good), nullptr);
  EXPECT_TRUE(FailedWith(CreateMsgQueue(std::wstring(MAX_PATH + 1, L'q').c_str(), &good), ERROR_INVALID_PARAMETER));
  for (MSGQUEUEOPTIONS bad : {MSGQUEUEOPTIONS{12, 0, 16, 12, FALSE}, MSGQUEUEOPTIONS{20, 0, 16, 0, FALSE},
                              MSGQUEUEOPTIONS{20, 0, 0xFFFFFFFF, 12, FALSE}, MSGQUEUEOPTIONS{20, 0, 16, 0x7FFFFFFF, FALSE}})
    EXPECT_EQ(CreateMsgQueue(L"bad", &bad), nullptr);

  Record record{};
  DWORD bytes = 0;
  EXPECT_TRUE(FailedWith(Write(nullptr, record), ERROR_INVALID_HANDLE));
  EXPECT_FALSE(ReadMsgQueue(reinterpret_cast<HANDLE>(uintptr_t{42}), record.data(), 12, &bytes, 0, nullptr));
  EXPECT_FALSE(CloseMsgQueue(nullptr));

  HANDLE writer = OpenShellQueue(FALSE);
  HANDLE reader = OpenShellQueue(TRUE);
  EXPECT_TRUE(FailedWith(Read(writer, record), ERROR_ACCESS_DENIED));
  EXPECT_TRUE(FailedWith(Write(reader, record), ERROR_ACCESS_DENIED));

  // Oversized messages and small buffers lose nothing.
  uint8_t big[13] = {};
  EXPECT_TRUE(FailedWith(WriteMsgQueue(writer, big, sizeof big, 0, 0), ERROR_INSUFFICIENT_BUFFER));
  ASSERT_TRUE(WriteMsgQueue(writer, big, 5, 0, MSGQUEUE_MSGALERT));
  ASSERT_TRUE(Write(writer, {1, 2, 3}));

  uint8_t small[4];
  DWORD flags = 0;
  EXPECT_TRUE(FailedWith(ReadMsgQueue(reader, small, sizeof small, &bytes, 0, &flags), ERROR_INSUFFICIENT_BUFFER));
  uint8_t enough[12];
  ASSERT_TRUE(ReadMsgQueue(reader, enough, sizeof enough, &bytes, 0, &flags)) << "the message stayed";
  EXPECT_EQ(bytes, 5u);
  EXPECT_EQ(flags, static_cast<DWORD>(MSGQUEUE_MSGALERT));
  ASSERT_TRUE(Read(reader, record));
  EXPECT_EQ(record, (Record{1, 2, 3}));
  EXPECT_TRUE(CloseMsgQueue(writer));
  EXPECT_FALSE(CloseMsgQueue(writer)) << "closed twice";
  EXPECT_FALSE(Write(writer, record));
  CloseMsgQueue(reader);
}

TEST_F(MsgQueueTest, WithoutAllowBrokenAWriteNeedsAReaderAndAQueueNobodyHoldsStartsEmpty) {
  HANDLE writer = OpenShellQueue(FALSE, 0);
  ASSERT_NE(writer, nullptr);
  EXPECT_TRUE(FailedWith(Write(writer, {1, 1, 1}), ERROR_PIPE_NOT_CONNECTED));
  HANDLE reader = OpenShellQueue(TRUE);
  EXPECT_TRUE(Write(writer, {1, 1, 1}));
  CloseMsgQueue(reader);
  EXPECT_FALSE(Write(writer, {1, 1, 1})) << "the reader is gone again";
  CloseMsgQueue(writer);

  writer = OpenShellQueue(FALSE);
  ASSERT_TRUE(Write(writer, {1, 1, 1}));
  CloseMsgQueue(writer);
  MSGQUEUEOPTIONS other{20, MSGQUEUE_ALLOW_BROKEN, 4, 8, TRUE};
  reader = CreateMsgQueue(kShellQueue, &other);
  ASSERT_NE(reader, nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_SUCCESS));
  EXPECT_EQ(Info(reader), (std::vector<DWORD>{0, 4, 8, 1, 0})) << "empty, with the new first opener's limits";
  CloseMsgQueue(reader);
}

// A read or write waiting on a queue without ALLOW_BROKEN ends as soon as
// the last handle of the other end closes, instead of waiting out its time.
TEST_F(MsgQueueTest, AWaitingEndLearnsThatTheOtherEndClosed) {
  for (const bool readerWaits : {true, false}) {
    SCOPED_TRACE(readerWaits ? "reader waits" : "writer waits");
    HANDLE reader = OpenShellQueue(TRUE, 0);
    HANDLE writer = OpenShellQueue(FALSE, 0);
    ASSERT_NE(reader, nullptr);
    ASSERT_NE(writer, nullptr);
    for (uint32_t i = 0; !readerWaits && i < 16; ++i) ASSERT_TRUE(Write(writer, {1, i, 2}));
    std::atomic<bool> waiting{false};
    std::thread closer([&] {
      while (!waiting) std::this_thread::yield();
      CloseMsgQueue(readerWaits ? writer : reader);
    });
    Record got{};
    waiting = true;
    const BOOL done = readerWaits ? Read(reader, got, 10000) : Write(writer, {1, 99, 2}, 10000);
    const DWORD error = GetLastError();
    closer.join();
    EXPECT_FALSE(done);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_PIPE_NOT_CONNECTED));
    CloseMsgQueue(readerWaits ? reader : writer);
  }
}

TEST_F(MsgQueueTest, AnotherProcessWritesMoreThanTheQueueHolds) {
  HANDLE reader = OpenShellQueue(TRUE);
  ASSERT_NE(reader, nullptr);
  vorna::test::PeerProcess peer("ce_ipc_peer", {"queue-write", "QueueNameOfShellNotifyMessage", "100"});
  for (uint32_t i = 0; i < 100; ++i) {
    Record got{};
    ASSERT_TRUE(Read(reader, got, 10000)) << i;
    ASSERT_EQ(got, (Record{1, i, 2}));
  }
  EXPECT_EQ(peer.ReadLine(), "done");
  EXPECT_EQ(peer.Wait(), 0);
  CloseMsgQueue(reader);
}

}  // namespace
