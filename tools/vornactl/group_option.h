// The --group option of the commands that list or export one group.
#pragma once

#include "cmd_common.h"

namespace vornactl {

// The stored group that --group names (by its shown name), in `groupId`; 0
// without --group. kExitOk, or the exit status after printing why: a usage
// error for a name that is not UTF-8, not found for a group not stored.
int GroupOption(const ParsedArgs& args, CContactsDbIf* db, int& groupId);

}  // namespace vornactl
