#include "ce/com.h"

#include <gtest/gtest.h>

namespace {

// The e-mail composer's class and interfaces.
const CLSID kComposerClass = {0x83b73c92, 0x04db, 0x45ef, {0xb6, 0xee, 0x12, 0xae, 0xc5, 0x9c, 0x26, 0xcb}};
const IID kComposerInterface = {0x28d0fee1, 0x98dc, 0x41ac, {0xb9, 0x76, 0x93, 0xa2, 0x3b, 0x20, 0x67, 0x6b}};
const IID kShowInterface = {0x8c54a4ab, 0x34f6, 0x4572, {0x85, 0xfa, 0x0d, 0xde, 0xcf, 0x48, 0xf6, 0xfa}};

struct IComposer : IUnknown {
  virtual HRESULT STDMETHODCALLTYPE SetOwner(HWND owner) = 0;  // slot 3

 protected:
  ~IComposer() = default;
};

int g_liveObjects = 0;

class Composer final : public IComposer {
 public:
  Composer() { ++g_liveObjects; }
  ~Composer() { --g_liveObjects; }
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == kComposerInterface) {
      *out = static_cast<IComposer*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE SetOwner(HWND) override { return S_OK; }

 private:
  ULONG refs_ = 1;
};

class ComTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    ce::RegisterComClass(kComposerClass, [] { return static_cast<IUnknown*>(new Composer); });
  }
  void TearDown() override {
    ce::UnregisterComClass(kComposerClass);
    CoUninitialize();
    EXPECT_EQ(g_liveObjects, 0) << "an object leaked";
  }
};

TEST_F(ComTest, CreatesRegisteredClassesWithTheWantedInterfaceAndFailsCleanly) {
  IComposer* composer = nullptr;
  ASSERT_EQ(CoCreateInstance(kComposerClass, nullptr, CLSCTX_INPROC_SERVER, kComposerInterface,
                             reinterpret_cast<void**>(&composer)),
            S_OK);
  ASSERT_NE(composer, nullptr);
  EXPECT_EQ(composer->SetOwner(reinterpret_cast<HWND>(uintptr_t{0x10000})), S_OK);
  EXPECT_EQ(composer->AddRef(), 2u) << "the caller holds exactly one reference";
  composer->Release();
  EXPECT_EQ(composer->Release(), 0u);

  // Failures leave nothing behind.
  void* out = reinterpret_cast<void*>(uintptr_t{1});
  EXPECT_EQ(CoCreateInstance(kComposerClass, nullptr, CLSCTX_INPROC_SERVER, kShowInterface, &out), E_NOINTERFACE);
  EXPECT_EQ(out, nullptr);

  const CLSID unknown = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};
  out = reinterpret_cast<void*>(uintptr_t{1});
  EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &out), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(CoCreateInstance(kComposerClass, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown, &out), REGDB_E_CLASSNOTREG);
  EXPECT_EQ(CoCreateInstance(kComposerClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, nullptr), E_POINTER);
  IUnknown* outer = reinterpret_cast<IUnknown*>(&out);
  EXPECT_EQ(CoCreateInstance(kComposerClass, outer, CLSCTX_INPROC_SERVER, IID_IUnknown, &out), CLASS_E_NOAGGREGATION);

  ce::RegisterComClass(kComposerClass, [] { return static_cast<IUnknown*>(nullptr); });
  EXPECT_EQ(CoCreateInstance(kComposerClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &out), E_OUTOFMEMORY);
}

TEST_F(ComTest, ThreadsMustInitialiseFirst) {
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), RPC_E_CHANGED_MODE);
  CoUninitialize();
  CoUninitialize();
  void* out = nullptr;
  EXPECT_EQ(CoCreateInstance(kComposerClass, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &out), CO_E_NOTINITIALIZED);
  EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_OK) << "a new model after the last uninitialise";
  CoUninitialize();
  ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);  // for TearDown
}

}  // namespace
