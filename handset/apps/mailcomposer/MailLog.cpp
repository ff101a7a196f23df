#include "mailcomposer/MailLog.h"

#include <cstdint>
#include <cwchar>
#include <fstream>
#include <iterator>
#include <string_view>

#include "ce/device.h"
#include "ce/text_fields.h"
#include "ce/utf8.h"

namespace mailcomposer {
namespace {

std::string Escape(const std::wstring& text) { return ce::EscapeField(ce::ToUtf8(text)); }

std::wstring Unescape(std::string_view text) { return ce::FromUtf8(ce::UnescapeField(text)); }

ShownMail ParseLine(std::string_view line) {
  ShownMail mail;
  while (!line.empty()) {
    size_t tab = line.find('\t');
    std::string_view field = line.substr(0, tab);
    line = tab == std::string_view::npos ? std::string_view{} : line.substr(tab + 1);
    size_t equals = field.find('=');
    if (equals == std::string_view::npos) continue;
    std::string_view key = field.substr(0, equals);
    std::wstring value = Unescape(field.substr(equals + 1));
    if (key == "owner") {
      mail.owner = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::wcstoull(value.c_str(), nullptr, 10)));
    } else if (key == "subject") {
      mail.subject = value;
    } else if (key == "body") {
      mail.body = value;
    } else if (key == "to") {
      mail.recipients.push_back(value);
    } else if (key == "attach") {
      mail.attachments.push_back(value);
    } else if (key == "sent") {
      mail.sent = value == L"1";
    }
  }
  return mail;
}

}  // namespace

std::filesystem::path MailLogPath() { return ce::DeviceRoot() / "log" / "mail.log"; }

bool AppendMailLog(const ShownMail& mail) {
  std::error_code ignored;
  std::filesystem::create_directories(MailLogPath().parent_path(), ignored);
  std::string line = "owner=" + std::to_string(reinterpret_cast<uintptr_t>(mail.owner));
  line += "\tsubject=" + Escape(mail.subject);
  line += "\tbody=" + Escape(mail.body);
  for (const auto& to : mail.recipients) line += "\tto=" + Escape(to);
  for (const auto& path : mail.attachments) line += "\tattach=" + Escape(path);
  if (mail.sent) line += "\tsent=1";
  line += '\n';
  // One write of the whole line, so that lines from two processes never mix.
  std::ofstream out(MailLogPath(), std::ios::binary | std::ios::app);
  out.write(line.data(), static_cast<std::streamsize>(line.size()));
  out.flush();
  return static_cast<bool>(out);
}

std::vector<ShownMail> ReadMailLog() {
  std::ifstream in(MailLogPath(), std::ios::binary);
  std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return ParseMailLog(text);
}

std::vector<ShownMail> ParseMailLog(std::string_view text) {
  std::vector<ShownMail> mails;
  while (!text.empty()) {
    size_t end = text.find('\n');
    mails.push_back(ParseLine(text.substr(0, end)));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
  }
  return mails;
}

}  // namespace mailcomposer
