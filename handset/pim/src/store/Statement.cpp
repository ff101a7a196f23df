#include "store/Statement.h"

#include "ce/utf8.h"

namespace qzpam {

Statement::~Statement() {
  if (!stmt_) return;
  sqlite3_reset(stmt_);
  sqlite3_clear_bindings(stmt_);
}

Statement& Statement::Bind(int index, int64_t value) {
  sqlite3_bind_int64(stmt_, index, value);
  return *this;
}

Statement& Statement::Bind(int index, std::string_view utf8) {
  sqlite3_bind_text(stmt_, index, utf8.data(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::Bind(int index, std::wstring_view text) { return Bind(index, std::string_view(ce::ToUtf8(text))); }

Statement& Statement::BindBlob(int index, const void* bytes, int length) {
  if (!bytes || length <= 0)
    sqlite3_bind_null(stmt_, index);
  else
    sqlite3_bind_blob(stmt_, index, bytes, length, SQLITE_TRANSIENT);
  return *this;
}

Statement& Statement::BindNull(int index) {
  sqlite3_bind_null(stmt_, index);
  return *this;
}

int Statement::Step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_MISUSE; }

bool Statement::Run() {
  int rc;
  while ((rc = Step()) == SQLITE_ROW) {
  }
  return rc == SQLITE_DONE;
}

int64_t Statement::Int64(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string Statement::Utf8(int column) const {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
  return text ? std::string(text, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : std::string();
}

std::wstring Statement::Text(int column) const { return ce::FromUtf8(Utf8(column)); }

const void* Statement::Blob(int column) const { return sqlite3_column_blob(stmt_, column); }

int Statement::BlobSize(int column) const { return sqlite3_column_bytes(stmt_, column); }

bool Statement::IsNull(int column) const { return sqlite3_column_type(stmt_, column) == SQLITE_NULL; }

}  // namespace qzpam
