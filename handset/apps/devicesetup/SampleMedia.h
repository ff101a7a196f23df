// The pictures and ring tones a new device comes with, made on the spot:
//   \Windows\Rings                 the handset's tones (any missing one is
//                                  put back, like the key tones);
//   \My Documents\My Ringtones     one tone of the user's own,
//   \My Documents\My Pictures      six landscapes, JPEG and PNG,
// the last two only when their folder does not exist yet, so that what a
// user deleted stays deleted. Files appear whole or not at all.
#pragma once

#include <string>
#include <vector>

namespace vorna::device {

struct SampleMediaReport {
  std::vector<std::wstring> written;  // CE paths of the files made now
  bool ok = true;                     // false when a file could not be written
};

SampleMediaReport InstallSampleMedia();

}  // namespace vorna::device
