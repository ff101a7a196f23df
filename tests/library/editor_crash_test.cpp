// A stored contact's changes are in the store as soon as the editor has
// acknowledged them: a process killed with SIGKILL right after a series of
// changes loses none of them.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ce/time.h"
#include "contacts/BirthdayText.h"
#include "editor_fixture.h"

extern char** environ;

namespace editor_test {
namespace {

// Starts the peer on the contact; its pid, and its standard output in `output`.
pid_t StartEditorPeer(int contactId, int& output) {
  int out[2], in[2];
  if (pipe(out) != 0 || pipe(in) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_adddup2(&actions, in[0], 0);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  posix_spawn_file_actions_addclose(&actions, in[1]);
  std::string program = (vorna::test::BuiltProgramsDir() / "library_editor_peer").string();
  std::string id = std::to_string(contactId);
  char* argv[] = {program.data(), id.data(), nullptr};
  pid_t pid = -1;
  if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  close(in[0]);  // the write end in[1] stays open: the peer waits on it
  output = out[0];
  return pid;
}

// The acknowledged steps, read until `count` came or the output ended.
std::string ReadAcks(int fd, size_t count) {
  std::string acks;
  char c;
  while (std::count(acks.begin(), acks.end(), '\n') < static_cast<long>(count) && read(fd, &c, 1) == 1) acks += c;
  return acks;
}

TEST(EditorCrash, ChangesAcknowledgedBeforeAKillAreAllStored) {
  vorna::test::TempDeviceRoot root;
  const int id = StoreContact({.numbers = {{L"13800138000", 1}, {L"13900139000", 0}},
                               .emails = {L"ann@example.com"},
                               .addresses = {Address(L"China", L"Shenzhen", L"", L"")},
                               .birthday = L"1980"});
  int output = -1;
  pid_t pid = StartEditorPeer(id, output);
  ASSERT_GT(pid, 0);
  EXPECT_EQ(ReadAcks(output, 5), "1\n2\n3\n4\n5\n");
  kill(pid, SIGKILL);
  int status = 0;
  ASSERT_EQ(waitpid(pid, &status, 0), pid);
  EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "killed, not ended on its own";
  close(output);

  CContactInfo stored = Stored(id);
  ASSERT_EQ(stored.phoneNumbers.size(), 2);
  EXPECT_STREQ(stored.phoneNumbers[0].value.c_str(), L"13500135000");
  EXPECT_EQ(stored.GetPrimaryPhoneNumber(), 1);
  ASSERT_EQ(stored.addresses.size(), 1);
  EXPECT_STREQ(stored.addresses[0].city.c_str(), L"Hangzhou");
  EXPECT_TRUE(stored.emails.empty());
  SYSTEMTIME today{};
  GetLocalTime(&today);
  EXPECT_EQ(stored.birthday, FormatBirthday(today.wYear, today.wMonth, today.wDay));
}

}  // namespace
}  // namespace editor_test
