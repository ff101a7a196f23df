// Several processes on one store: concurrent writers lose nothing, changes
// are seen across processes, and a writer killed mid-loop leaves a sound
// database holding every write it acknowledged.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <set>
#include <string>

#include "ce/device.h"
#include "store_helpers.h"

extern char** environ;

namespace {

struct Peer {
  pid_t pid = -1;
  int output = -1;  // the peer's standard output
};

Peer StartPeer(std::vector<std::string> args) {
  Peer peer;
  int fds[2];
  if (pipe(fds) != 0) return peer;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  std::string program = (vorna::test::BuiltProgramsDir() / "pim_store_peer").string();
  args.insert(args.begin(), program);
  std::vector<char*> argv;
  for (auto& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  if (posix_spawn(&peer.pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) peer.pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(fds[1]);
  peer.output = fds[0];
  return peer;
}

int Wait(const Peer& peer) {
  int status = 0;
  if (waitpid(peer.pid, &status, 0) != peer.pid) return -1;
  close(peer.output);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Reads whole lines of acknowledged ids until `count` were read (0: until
// the peer's output ends).
void ReadAcks(int fd, std::vector<int>& ids, size_t count, std::string& partial) {
  char buffer[256];
  while (count == 0 || ids.size() < count) {
    ssize_t n = read(fd, buffer, sizeof buffer);
    if (n <= 0) return;
    partial.append(buffer, static_cast<size_t>(n));
    size_t end;
    while ((end = partial.find('\n')) != std::string::npos) {
      ids.push_back(std::stoi(partial.substr(0, end)));
      partial.erase(0, end + 1);
    }
  }
}

using StoreProcesses = pimtest::StoreTest;

TEST_F(StoreProcesses, ConcurrentWritersLoseNothing) {
  constexpr int kEach = 150;
  Peer a = StartPeer({"contacts", "a", std::to_string(kEach)});
  Peer b = StartPeer({"contacts", "b", std::to_string(kEach)});
  ASSERT_GT(a.pid, 0);
  ASSERT_GT(b.pid, 0);
  for (int i = 0; i < kEach; ++i) {
    std::wstring name = L"self-" + std::to_wstring(i);
    ASSERT_GT(Add(L"", name.c_str(), {L"13700000000"}), 0) << i;
    ASSERT_TRUE(db()->InsertCall(L"13700000000", i, 1, 1));
  }
  EXPECT_EQ(Wait(a), 0);
  EXPECT_EQ(Wait(b), 0);
  EXPECT_EQ(AllContacts().size(), 3u * kEach);
  EXPECT_EQ(Times(L"13700000000").size(), static_cast<size_t>(kEach));
}

TEST_F(StoreProcesses, KilledWriterLeavesASoundStoreWithEveryAcknowledgedWrite) {
  int contacts = db()->GetDbChangeCount();
  int calls = db()->GetCallsChangeCount();
  EXPECT_TRUE(AllContacts().empty());  // this process now holds a list of its own
  Peer peer = StartPeer({"forever", "k", "-"});
  ASSERT_GT(peer.pid, 0);
  std::vector<int> acked;
  std::string partial;
  ReadAcks(peer.output, acked, 40, partial);
  kill(peer.pid, SIGKILL);
  ReadAcks(peer.output, acked, 0, partial);  // acknowledged before it died
  int status = 0;
  waitpid(peer.pid, &status, 0);
  close(peer.output);
  ASSERT_GE(acked.size(), 40u);
  // The other process's changes move the counters and reach this one's list.
  EXPECT_NE(db()->GetDbChangeCount(), contacts);
  EXPECT_NE(db()->GetCallsChangeCount(), calls);
  std::vector<pimtest::ListRow> kept = AllContacts();
  EXPECT_GE(kept.size(), acked.size());

  ce::SetDeviceRoot(root_.path());  // this process opens the store afresh
  EXPECT_EQ(pimtest::QueryStoreFile(root_.path(), "PRAGMA integrity_check"), "ok");

  EXPECT_EQ(AllContacts(), kept);  // the list kept up to date equals the one read afresh
  std::set<int> stored;
  for (const pimtest::ListRow& row : kept) stored.insert(row.id);
  for (int id : acked) EXPECT_TRUE(stored.contains(id)) << "acknowledged contact " << id << " is missing";
  // Write i of the peer also recorded a call from its own number at time 1700000000 + i.
  for (size_t i = 0; i < acked.size(); ++i) {
    const std::vector<int> times = Times((L"1390000" + std::to_wstring(1000 + i)).c_str(), false, 10);
    EXPECT_TRUE(std::ranges::count(times, static_cast<int>(1700000000 + i))) << "acknowledged call " << i << " is missing";
  }
}

}  // namespace
