#include "calllog/model/CallTexts.h"

#include "core/module/Resources.h"

namespace {

constexpr UINT kStrRings = 865, kStrMinutes = 866, kStrSeconds = 867;
constexpr int kMinutesWithoutSeconds = 100;

}  // namespace

void FormatCallDuration(int callType, int value, CQzStringW& text) {
  text.Empty();
  if (callType != CALL_TYPE_OUTGOING && callType != CALL_TYPE_INCOMING) {
    text.Format(L"%d%s", value, LoadResString(kStrRings).GetString());
    return;
  }
  // Another program may record a negative length; it shows as no time at all.
  if (value < 0) value = 0;
  const int minutes = value / 60;
  if (minutes > 0) text.Format(L"%d%s", minutes, LoadResString(kStrMinutes).GetString());
  if (minutes < kMinutesWithoutSeconds) {
    const int seconds = value - minutes * 60;
    text.AppendFormat(text.IsEmpty() ? L"%d%s" : L"%02d%s", seconds, LoadResString(kStrSeconds).GetString());
  }
}

UINT GetCallTypeLabel(int callType) {
  switch (callType) {
    case CALL_TYPE_OUTGOING:
      return 868;
    case CALL_TYPE_INCOMING:
      return 869;
    case CALL_TYPE_MISSED:
      return 632;
    case CALL_TYPE_REJECTED:
      return 870;
    case CALL_TYPE_BLOCKED:
      return 871;
    default:
      return 0;
  }
}
