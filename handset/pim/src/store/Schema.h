// The store's tables and how a database of an older version is brought up to
// date. The version lives in PRAGMA user_version; a database that says it is
// newer than this code is refused, never downgraded.
#pragma once

#include <sqlite3.h>

namespace qzpam {

inline constexpr int kSchemaVersion = 2;
// How many of the latest entries of contact_log a database keeps.
inline constexpr int kContactLogKept = 4096;
// PRAGMA application_id of our databases ("QZPM"), so that a foreign SQLite
// file under the root is recognised and left alone.
inline constexpr int kApplicationId = 0x515A504D;

// The blacklist group, created with the store and never deleted.
inline constexpr int kBlacklistGroup = 1;

enum class SchemaCheck { Ready, Newer, Foreign, Unreadable };

// Creates or upgrades the schema inside one write transaction. Safe when
// several processes open a fresh root at once: the loser of the race finds
// the work done.
SchemaCheck PrepareSchema(sqlite3* db, int* foundVersion);

// Runs the upgrade steps after `fromVersion` up to `toVersion` (0: an empty
// database) in the caller's transaction, without recording the version.
bool UpgradeSchema(sqlite3* db, int fromVersion, int toVersion);

}  // namespace qzpam
