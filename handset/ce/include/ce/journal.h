// The launch journal: every program launch (ShellExecuteEx) and every sound
// (PlaySoundW), started or not, appended to <root>/log/launches.log so that
// tests and people can see what left the process.
//
// One UTF-8 line per event, five fields separated by tabs:
//   time      UTC, e.g. 2026-03-01T08:15:30.250Z
//   kind      "launch" or "sound"
//   outcome   launch: "applet" (handed to an applet registered in this
//             process), "executable" (a program under the root was started),
//             "not-found" (neither), "failed" (refused or could not start);
//             sound: "played" (handed to the player), "silent" (no player
//             installed), "stopped",
//             "not-found", "failed"
//   program   the CE path as given (launch: lpFile; sound: the sound name)
//   details   launch: the parameter string; sound: the flags in hexadecimal
// Backslashes, tabs, newlines and carriage returns inside a field are written
// as \\, \t, \n and \r.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace ce {

struct JournalEntry {
  std::string time;
  std::string kind;
  std::string outcome;
  std::wstring program;
  std::wstring details;
};

std::filesystem::path LaunchJournalPath();

// Every entry in the order written; empty when there is no journal yet.
std::vector<JournalEntry> ReadLaunchJournal();

// Appends one entry stamped with the current time; false if it cannot be written.
bool AppendLaunchJournal(const std::string& kind, const std::string& outcome, std::wstring_view program,
                         std::wstring_view details);

}  // namespace ce
