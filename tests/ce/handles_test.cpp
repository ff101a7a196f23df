#include <gtest/gtest.h>

#include "ce/handles.h"

namespace {

const ce::HandleKind kThing{"thing"};
const ce::HandleKind kOther{"other"};

struct Thing {
  explicit Thing(int* count) : released(count) {}
  ~Thing() { ++*released; }
  int* released;
};

TEST(Handles, CloseReleasesTheObjectOnceUnlessInUseAndStaleOrBogusHandlesAreRefused) {
  int released = 0;
  HANDLE handle = ce::OpenHandle(kThing, std::make_shared<Thing>(&released));
  ASSERT_NE(handle, nullptr);
  EXPECT_NE(handle, INVALID_HANDLE_VALUE);
  EXPECT_LE(reinterpret_cast<uintptr_t>(handle), 0xFFFFFFFFu);
  EXPECT_NE(ce::FindHandleAs<Thing>(handle, kThing), nullptr);
  EXPECT_EQ(ce::FindHandle(handle, kOther), nullptr);
  EXPECT_FALSE(ce::CloseHandleOfKind(handle, kOther));
  EXPECT_EQ(released, 0);
  EXPECT_TRUE(CloseHandle(handle));
  EXPECT_EQ(released, 1);
  EXPECT_FALSE(CloseHandle(handle));
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_EQ(ce::FindHandle(handle, kThing), nullptr);
  HANDLE next = ce::OpenHandle(kThing, std::make_shared<Thing>(&released));
  EXPECT_NE(next, handle);  // values are not reused
  EXPECT_TRUE(ce::CloseHandleOfKind(next, kThing));
  EXPECT_EQ(released, 2);
  EXPECT_FALSE(CloseHandle(nullptr));
  EXPECT_FALSE(CloseHandle(INVALID_HANDLE_VALUE));
  EXPECT_FALSE(CloseHandle(reinterpret_cast<HANDLE>(uintptr_t{0x1234567890})));

  // An object in use outlives its handle.
  released = 0;
  handle = ce::OpenHandle(kThing, std::make_shared<Thing>(&released));
  std::shared_ptr<Thing> inUse = ce::FindHandleAs<Thing>(handle, kThing);
  CloseHandle(handle);
  EXPECT_EQ(released, 0);
  inUse.reset();
  EXPECT_EQ(released, 1);
}

}  // namespace
