#include "support/environment.h"

#include <cstdlib>

#ifdef _WIN32
#include <windows.h>
// After windows.h, which it builds on.
#include <fcntl.h>
#include <io.h>
#include <shellapi.h>

#include "support/win_text.h"
#else
#include <unistd.h>
#endif

namespace rv {

std::vector<std::string> program_args(int argc, char** argv) {
#ifdef _WIN32
  (void)argc;
  (void)argv;
  std::vector<std::string> out;
  int n = 0;
  LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &n);
  for (int i = 1; i < n; ++i) out.push_back(narrow(wide[i]));
  LocalFree(wide);
  return out;
#else
  return {argv + 1, argv + argc};
#endif
}

int process_id() {
#ifdef _WIN32
  return static_cast<int>(GetCurrentProcessId());
#else
  return static_cast<int>(::getpid());
#endif
}

std::optional<std::string> env_var(const char* name) {
#ifdef _WIN32
  const wchar_t* v = _wgetenv(widen(name).c_str());
  if (v == nullptr) return std::nullopt;
  return narrow(v);
#else
  const char* v = std::getenv(name);
  if (v == nullptr) return std::nullopt;
  return std::string(v);
#endif
}

void binary_std_streams() {
#ifdef _WIN32
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
}

}  // namespace rv
