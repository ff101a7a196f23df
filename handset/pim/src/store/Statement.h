// One prepared SQLite statement: binds by position (1-based), steps, reads
// columns (0-based) and resets itself when it goes out of scope, so a cached
// statement is always ready for the next use.
#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace qzpam {

class Statement {
 public:
  explicit Statement(sqlite3_stmt* stmt) : stmt_(stmt) {}
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  bool valid() const { return stmt_ != nullptr; }

  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, int value) { return Bind(index, static_cast<int64_t>(value)); }
  Statement& Bind(int index, std::string_view utf8);
  Statement& Bind(int index, std::wstring_view text);
  Statement& Bind(int index, const wchar_t* text) = delete;  // say which: view or null
  Statement& BindBlob(int index, const void* bytes, int length);
  Statement& BindNull(int index);

  // SQLITE_ROW, SQLITE_DONE or an error code (SQLITE_BUSY included).
  int Step();
  // Steps to completion; true when the statement finished without error.
  bool Run();

  int64_t Int64(int column) const;
  int Int(int column) const { return static_cast<int>(Int64(column)); }
  std::string Utf8(int column) const;
  std::wstring Text(int column) const;
  const void* Blob(int column) const;
  int BlobSize(int column) const;
  bool IsNull(int column) const;

 private:
  sqlite3_stmt* stmt_;
};

}  // namespace qzpam
