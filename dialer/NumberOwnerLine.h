// The line under the dial field: who owns the typed number.
#pragma once

#include <string>

// The contact's name, two spaces and the number's type label ("Ann Lee  Mobile");
// empty when no contact owns the number.
std::wstring DescribeNumberOwner(const wchar_t* number);
