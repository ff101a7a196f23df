// Group names: the stored form of a contact group and the form shown on
// screen. Special groups are stored under a fixed key between the markers
// "_$!<" and ">!$_" and shown under a name from the string table.
#pragma once

#include "core/VornaExport.h"
#include "platform/PimContract.h"

// The name to show for a stored group name.
VORNALIB_API qzu::string GetGroupDisplayName(const qzu::string& storedName);
// The name to store (and to look up with CContactsDbIf::GetGroupID) for a
// group name as the user sees or typed it.
VORNALIB_API qzu::string GetGroupStoreName(const qzu::string& displayName);
// The display names of a contact's stored group names on one line,
// separated by single spaces; empty for no groups.
VORNALIB_API qzu::string GetComboGroupName(const qzu::array<qzu::string>& categories);
