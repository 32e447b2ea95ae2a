// A test that holds only on POSIX systems (POSIX paths, signals, a case-sensitive file
// system) says so and why; elsewhere ctest lists it as skipped, by name.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define RV_POSIX_ONLY(why) GTEST_SKIP() << "POSIX only: " << (why)
#else
#define RV_POSIX_ONLY(why) static_cast<void>(why)
#endif
