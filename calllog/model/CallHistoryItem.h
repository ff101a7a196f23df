// One row of the call log's thread list: the latest call of one number with
// its display texts, made once when the list is loaded.
#pragma once

#include "platform/PimContract.h"

enum CALL_HISTORY_ROW_KIND {
  CALL_ROW_CALL = 0,
  CALL_ROW_HINT = 1,  // how to delete rows by swiping; swiped away for good
  CALL_ROW_MORE = 2,  // a button that loads every thread
};

struct CallHistoryItem {
  int contactId = 0;  // 0: the number belongs to no contact
  qzu::string name;
  qzu::string number;  // empty for a hidden caller
  qzu::string region;  // only for rows without contact
  qzu::string dateText;
  qzu::string durationText;
  int callType = 0;
  int rowKind = CALL_ROW_CALL;
};
