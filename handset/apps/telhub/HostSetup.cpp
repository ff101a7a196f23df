#include "HostSetup.h"

#include "DemoStore.h"
#include "DeviceFiles.h"
#include "ce/debug.h"
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

}  // namespace

SetupReport SetUpDevice(DemoStore demo) {
  SetupReport report;
  vorna::device::InstallReport files = vorna::device::InstallDeviceFiles();
  report.filesOk = files.ok;
  for (const std::string& name : files.missing)
    NKDbgPrintfW(L"telhub: the build provides no %hs for \\windows\n", name.c_str());
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
