// Helpers shared by the file services (not part of the public interface).
#pragma once

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "ce/files.h"

#ifndef ERROR_DIRECTORY
#define ERROR_DIRECTORY 267L
#endif

namespace ce::files {

// The CE error for an errno of a call on that path: a missing entry is
// ERROR_FILE_NOT_FOUND when its folder exists, else ERROR_PATH_NOT_FOUND.
DWORD ErrorFromErrno(int error, const std::filesystem::path& path);

// lstat; false when the entry is missing (or cannot be examined).
bool Examine(const std::filesystem::path& path, struct stat& st);

DWORD AttributesOf(const struct stat& st);
FILETIME FileTimeOf(const struct timespec& time);

// The last component of a CE path as UTF-8, in the case given; empty if none.
std::string LeafOf(const wchar_t* cePath);

// Creates the device root if it is missing, so that the first file of a
// fresh device can be made.
void EnsureRootExists();

}  // namespace ce::files
