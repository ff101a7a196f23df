// The member count under a group's name: the count directly followed by
// "位联系人" (at most 64 characters). The contacts window's group list and the
// value picker's group rows show the same text.
#pragma once

#include "platform/PimContract.h"

qzu::string GroupCountText(int count);
