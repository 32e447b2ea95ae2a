// The fake control as an in-process COM server: regsvr32 registers it under kFakeProgId, and
// CoCreateInstance by that ProgID makes a FakeJVLink serving the feed folder $JVLINK_SIM_FEED (with
// JVGets unless $FAKE_JVLINK_NO_GETS is set).
#include <windows.h>

#include <cstdlib>
#include <string>

#include "jvhelper/fake_jvlink.h"
#include "support/environment.h"
#include "support/files.h"

namespace {

// {4199C684-5B6A-40D8-BD9B-A31E0EB68721}
constexpr CLSID kClsid = {
    0x4199c684, 0x5b6a, 0x40d8, {0xbd, 0x9b, 0xa3, 0x1e, 0x0e, 0xb6, 0x87, 0x21}};
constexpr const wchar_t* kClsidText = L"{4199C684-5B6A-40D8-BD9B-A31E0EB68721}";

HMODULE self = nullptr;

class Factory final : public IClassFactory {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** out) override {
    if (riid == IID_IUnknown || riid == IID_IClassFactory) {
      *out = static_cast<IClassFactory*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** out) override {
    *out = nullptr;
    if (outer != nullptr) return CLASS_E_NOAGGREGATION;
    const auto feed = rv::env_var("JVLINK_SIM_FEED");
    auto* fake = new rv::testing::FakeJVLink(rv::utf8_path(feed.value_or(".")),
                                             !rv::env_var("FAKE_JVLINK_NO_GETS"));
    const HRESULT hr = fake->QueryInterface(riid, out);
    fake->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

Factory factory;

// Where the classes go: the machine's (as the real control's installer writes them; wine
// finds a ProgID only there), else the user's where the machine's cannot be written.
HKEY root = HKEY_LOCAL_MACHINE;

bool set_value(const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &k, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  const auto bytes = (value.size() + 1) * sizeof(wchar_t);
  const LONG r = RegSetValueExW(k, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>(bytes));
  RegCloseKey(k);
  return r == ERROR_SUCCESS;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) self = instance;
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* out) {
  if (clsid != kClsid) return CLASS_E_CLASSNOTAVAILABLE;
  return factory.QueryInterface(riid, out);
}

STDAPI DllCanUnloadNow() {
  return S_FALSE;
}

STDAPI DllRegisterServer() {
  wchar_t path[MAX_PATH];
  GetModuleFileNameW(self, path, MAX_PATH);
  const std::wstring classes = L"Software\\Classes\\";
  const std::wstring clsid = classes + L"CLSID\\" + kClsidText;
  for (const HKEY r : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    root = r;
    if (set_value(classes + rv::testing::kFakeProgId + L"\\CLSID", nullptr, kClsidText) &&
        set_value(clsid + L"\\InprocServer32", nullptr, path) &&
        set_value(clsid + L"\\InprocServer32", L"ThreadingModel", L"Apartment") &&
        set_value(clsid + L"\\ProgID", nullptr, rv::testing::kFakeProgId)) {
      return S_OK;
    }
  }
  return E_FAIL;
}

STDAPI DllUnregisterServer() {
  const std::wstring classes = L"Software\\Classes\\";
  for (const HKEY r : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
    RegDeleteTreeW(r, (classes + rv::testing::kFakeProgId).c_str());
    RegDeleteTreeW(r, (classes + L"CLSID\\" + kClsidText).c_str());
  }
  return S_OK;
}
