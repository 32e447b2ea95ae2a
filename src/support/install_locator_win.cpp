#include <windows.h>

#include "support/install_locator.h"
#include "support/win_text.h"

namespace rv {

std::string RegistryInstallLocator::app_path_of(std::string_view uninstall_key) const {
  const std::wstring key =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + from_cp932(uninstall_key);
  for (const REGSAM view : {KEY_WOW64_32KEY, KEY_WOW64_64KEY}) {
    HKEY k = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, KEY_READ | view, &k) != ERROR_SUCCESS) {
      continue;
    }
    wchar_t value[MAX_PATH * 2] = {};
    DWORD size = sizeof value - sizeof(wchar_t);  // room for the end a value may lack
    DWORD type = 0;
    const LONG r = RegQueryValueExW(k, L"Inno Setup: App Path", nullptr, &type,
                                    reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(k);
    if (r == ERROR_SUCCESS && type == REG_SZ) return to_cp932(value);
  }
  return {};
}

}  // namespace rv
