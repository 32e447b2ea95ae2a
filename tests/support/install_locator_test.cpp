// Windows: the install locator reads what an installer left in the uninstall keys.
#include "support/install_locator.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "support/text.h"
#include "support/win_text.h"

namespace rv {
namespace {

TEST(RegistryInstallLocator, ReadsTheAppPathOfAnUninstallKeyAndNothingForAnother) {
  const std::string name = sj("ラベリン投票_is1");
  const std::wstring key =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + from_cp932(name);
  const std::wstring path = widen("C:\\Program Files\\投票プラグイン");
  HKEY k = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0,
                            KEY_WRITE | KEY_WOW64_32KEY, nullptr, &k, nullptr),
            ERROR_SUCCESS);
  const auto bytes = (path.size() + 1) * sizeof(wchar_t);
  RegSetValueExW(k, L"Inno Setup: App Path", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                 static_cast<DWORD>(bytes));
  RegCloseKey(k);

  const RegistryInstallLocator installs;
  EXPECT_EQ(to_utf8(installs.app_path_of(name)), "C:\\Program Files\\投票プラグイン");
  EXPECT_EQ(installs.app_path_of("NoSuchProgram_is1"), "");
  RegDeleteKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), KEY_WOW64_32KEY, 0);
}

}  // namespace
}  // namespace rv
