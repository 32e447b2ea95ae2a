#include "app/main_layout.h"

namespace rv {

MainLayout::MainLayout()
    : bet_sheets_{&TabSheet14, &TabSheet36, &TabSheet37, &TabSheet38,
                  &TabSheet39, &TabSheet40, &TabSheet41, &TabSheet42} {
  // Pages with nothing to show before a race is on screen, and pages of tools kept out of
  // the way, start hidden.
  PageControl3.set_visible(false);
  Panel8.set_visible(false);
  PreviewSheet.set_visible(false);
  SankoKaimeSheet.set_visible(false);
  ShutubaListSheet.set_visible(false);
  TabSheet37.set_visible(false);
  JikuHimoSheet.set_visible(false);
}

void MainLayout::FListBtnClick() {
  RaceListPanel.set_visible(!RaceListPanel.visible());
}

}  // namespace rv
