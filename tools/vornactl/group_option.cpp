#include "group_option.h"

#include <cstdio>

#include "contactdata/GroupNames.h"
#include "platform/PimContract.h"

namespace vornactl {

int GroupOption(const ParsedArgs& args, CContactsDbIf* db, int& groupId) {
  groupId = 0;
  const std::string* group = args.Value("--group");
  if (!group) return kExitOk;
  std::wstring shown;
  if (!ToWide(*group, shown)) return UsageError("the group name is not UTF-8");
  groupId = db->GetGroupID(GetGroupStoreName(qzu::string(shown.c_str())));
  if (groupId != 0) return kExitOk;
  std::fprintf(stderr, "vornactl: no group %s\n", group->c_str());
  return kExitNotFound;
}

}  // namespace vornactl
