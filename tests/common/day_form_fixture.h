// The main window's form on a fresh AppDir with the day folders DATA and CHG, the program's
// clock standing at a given time for the test's lifetime.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>

#include "common/form_rig.h"
#include "support/clock.h"

namespace rv::testing {

class DayFormFixture : public ::testing::Test, protected FormRig {
 protected:
  explicit DayFormFixture(const DateTime& now) : clock_(now) {
    set_app_clock(&clock_);
    std::filesystem::create_directories(dir.path() / "DATA");
    std::filesystem::create_directories(dir.path() / "CHG");
  }
  ~DayFormFixture() override { set_app_clock(nullptr); }

  ManualClock clock_;
};

}  // namespace rv::testing
