#include "HostSetup.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>

#include "DemoStore.h"
#include "DeviceFiles.h"
#include "SampleMedia.h"
#include "ce/debug.h"
#include "ce/device.h"
#include "ce/registry.h"
#include "qzfc/QzRegKey.h"
#include "qzpam/CContactsDbIf.h"

namespace telhub {
namespace {

// A device is set up once: a user who later deletes every contact and call
// keeps an empty phone.
constexpr wchar_t kSetupKey[] = L"Software\\Telhub";
constexpr wchar_t kSeededValue[] = L"DemoStoreSeeded";

bool WasSeeded() {
  CQzRegKey key;
  DWORD value = 0;
  return key.Open(HKEY_CURRENT_USER, kSetupKey) && key.QueryValue(kSeededValue, value) && value != 0;
}

void MarkSeeded() {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kSetupKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
      ERROR_SUCCESS)
    return;
  DWORD one = 1;
  RegSetValueExW(key, kSeededValue, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
  RegCloseKey(key);
}

// Hosts starting together on one device set it up one after the other:
// the second finds the files in place and the store seeded, instead of
// seeding a second demo store beside the first. Without the lock file the
// setup runs unguarded, as it must still run.
class SetupLock {
 public:
  SetupLock() {
    std::filesystem::path dir = ce::DeviceRoot() / "run";
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    fd_ = ::open((dir / "telhub-setup.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0) return;
    int result;
    do {
      result = ::flock(fd_, LOCK_EX);
    } while (result != 0 && errno == EINTR);
  }
  ~SetupLock() {
    if (fd_ >= 0) ::close(fd_);  // closing releases the lock
  }
  SetupLock(const SetupLock&) = delete;
  SetupLock& operator=(const SetupLock&) = delete;

 private:
  int fd_ = -1;
};

}  // namespace

SetupReport SetUpDevice(DemoStore demo) {
  SetupLock lock;
  SetupReport report;
  vorna::device::InstallReport files = vorna::device::InstallDeviceFiles();
  report.filesOk = files.ok;
  for (const std::string& name : files.missing)
    NKDbgPrintfW(L"telhub: the build provides no %hs for \\windows\n", name.c_str());
  if (!vorna::device::InstallSampleMedia().ok) NKDbgPrintfW(L"telhub: some sample pictures or tones were not written\n");
  if (demo == DemoStore::SeedWhenEmpty && !WasSeeded()) {
    if (vorna::device::IsStoreEmpty()) {
      vorna::device::DemoStoreResult seeded =
          vorna::device::SeedDemoStore(vorna::device::kFirstStartContacts, vorna::device::kFirstStartCalls, 1);
      report.seeded = seeded.available && seeded.contacts > 0;
      if (report.seeded) MarkSeeded();
    } else if (CContactsDbIf::GetContactDbIf()) {
      MarkSeeded();  // the device is in use already: never mix demo data into it
    }
  }
  return report;
}

}  // namespace telhub
