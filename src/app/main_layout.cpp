#include "app/main_layout.h"

namespace rv {

MainLayout::MainLayout()
    : bet_sheets_{&TabSheet14, &TabSheet36, &TabSheet37, &TabSheet38,
                  &TabSheet39, &TabSheet40, &TabSheet41, &TabSheet42} {}

void MainLayout::FListBtnClick() {
  RaceListPanel.set_visible(!RaceListPanel.visible());
}

}  // namespace rv
