// What the host does on its first start on a device: it puts the build's
// device files (key tones, English strings) into \windows, makes the sample
// pictures and ring tones, and, when the
// store is empty and has never been seeded, fills it with the demo store so
// that a new user sees a phone in use.
#pragma once

namespace telhub {

enum class DemoStore { SeedWhenEmpty, Never };

struct SetupReport {
  bool filesOk = false;
  bool seeded = false;
};

SetupReport SetUpDevice(DemoStore demo);

}  // namespace telhub
