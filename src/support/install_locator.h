// Where installers put other programs (the voting plug-ins, the odds viewer). On Windows the
// uninstall keys of HKEY_LOCAL_MACHINE (the 32-bit view first, where 32-bit installers write,
// then the 64-bit one); elsewhere nothing is installed that way.
#pragma once

#include "support/services.h"

namespace rv {

#ifdef _WIN32
class RegistryInstallLocator final : public InstallLocator {
 public:
  [[nodiscard]] std::string app_path_of(std::string_view uninstall_key) const override;
};
using PlatformInstallLocator = RegistryInstallLocator;
#else
using PlatformInstallLocator = NoInstallLocator;
#endif

}  // namespace rv
