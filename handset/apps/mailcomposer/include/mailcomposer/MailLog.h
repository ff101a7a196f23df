// The mail log: one line per composer shown, appended to
// <root>/log/mail.log, UTF-8, fields separated by tabs:
//   owner=<window handle, decimal>  subject=<text>  body=<text>  to=<address>...
//   attach=<handset path>...
//   [sent=1]
// with one "to=" field per recipient and one "attach=" field per attachment,
// each in the order they were added. A line is written when the composer is
// shown, and another, marked "sent=1", when the user sends from its screen.
// Backslashes, tabs, newlines and carriage returns inside a text are written
// as \\, \t, \n and \r.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "ce/types.h"

namespace mailcomposer {

struct ShownMail {
  HWND owner = nullptr;
  std::wstring subject;
  std::wstring body;
  std::vector<std::wstring> recipients;
  std::vector<std::wstring> attachments;
  bool sent = false;
};

std::filesystem::path MailLogPath();

// Appends one line; false when the log cannot be written.
bool AppendMailLog(const ShownMail& mail);

// Every mail shown on this device root, oldest first; empty when none.
std::vector<ShownMail> ReadMailLog();

// The mails of a log's text, one per line. Fields it does not know and
// fields without "=" are skipped; it never fails.
std::vector<ShownMail> ParseMailLog(std::string_view text);

}  // namespace mailcomposer
