// The main window's form without widgets on a fresh temporary AppDir, with services that
// record what a person would have seen and the JV-Link stand-in on the AppDir's feed folder,
// driven through its handlers as a person does. Header-only, so that the GoogleTest suites,
// the Qt Test suites and the benchmarks share it.
#pragma once

#include <memory>
#include <string_view>

#include "acquire/jvlink_factory.h"
#include "app/main_form.h"
#include "common/fake_services.h"
#include "common/temp_dir.h"
#include "support/text.h"

namespace rv::testing {

struct FormRig {
  AppDirScope dir;
  FakeDialogs dialogs;
  FakeDesktop desktop;
  NoInstallLocator installs;
  std::unique_ptr<JVLink> jvlink;
  QueueDispatcher dispatcher;
  std::unique_ptr<MainForm> form;

  // The form on the AppDir as it is now, not yet started (a Qt window starts it itself). The
  // stand-in reads its feed folder's settings when first made here, so prepare them before.
  MainForm& build() {
    if (!jvlink) jvlink = create_jvlink();
    form = std::make_unique<MainForm>(dialogs, desktop, installs, *jvlink, dispatcher);
    return *form;
  }

  // The form built and started as the program starts it.
  MainForm& start() {
    build();
    form->FormCreate();
    return *form;
  }

  // The date box's item `index` chosen (-1: none).
  void choose_day(int index) {
    form->day.DateCombo.set_item_index(index);
    form->DateComboChange();
  }
  // The day named `date` (UTF-8, as the date box shows it: "2026年12月06日") chosen.
  void choose_day(std::string_view date) { choose_day(form->day.DateCombo.index_of(sj(date))); }

  // The race in the race list's slot `slot` clicked.
  void click_race(int slot) {
    form->loaded_day.DatList.set_item_index(slot);
    form->DatListClick();
  }
};

}  // namespace rv::testing
