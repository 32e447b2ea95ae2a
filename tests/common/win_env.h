// Windows builds of the tests: the POSIX environment calls the tests use, over the C
// runtime's wide ones, so that values are UTF-8 as on POSIX (the program reads the wide
// environment).
#pragma once

#include <stdlib.h>

#include "support/win_text.h"

inline int setenv(const char* name, const char* value, int /*overwrite*/) {
  return _wputenv_s(rv::widen(name).c_str(), rv::widen(value).c_str());
}
inline int unsetenv(const char* name) {
  return _wputenv_s(rv::widen(name).c_str(), L"");
}
