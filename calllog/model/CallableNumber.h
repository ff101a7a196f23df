// Whether a number from the call log may be handed to the in-call screen or
// the message composer. Numbers come from other programs as they were
// recorded; one that could not be a phone number, or that would change the
// meaning of the command line it goes into, is shown but never sent.
#pragma once

#include "platform/PimContract.h"

constexpr size_t kMaxCallableNumberLength = 64;

// 1 to 64 characters, none of them a control character or the field
// separator of the sibling programs' command lines (U+2593).
bool IsCallableNumber(const qzu::string& number);
