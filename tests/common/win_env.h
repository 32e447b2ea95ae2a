// Windows builds of the tests: the POSIX environment calls the tests use, over the C
// runtime's. Included into every test file there by the build.
#pragma once

#include <stdlib.h>

inline int setenv(const char* name, const char* value, int /*overwrite*/) {
  return _putenv_s(name, value);
}
inline int unsetenv(const char* name) {
  return _putenv_s(name, "");
}
