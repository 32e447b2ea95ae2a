#include "app/results_page.h"

#include <utility>

namespace rv {

ResultsPage::ResultsPage(Day& day, const RaceOnScreen& on_screen, RaceCardControls& card,
                         Dialogs& dialogs, std::function<void()> show_race)
    : day_(day),
      on_screen_(on_screen),
      card_(card),
      dialogs_(dialogs),
      show_race_(std::move(show_race)) {}

void ResultsPage::StringGrid6MouseDown(int row) {
  SelectCardHorse(day_, on_screen_.slot(), card_, row);
}

void ResultsPage::StringGrid6MouseUp() {
  card_.StringGrid6.select(-1, -1);
}

void ResultsPage::R1Click() {
  if (RegisterChaseHorse(day_, on_screen_.slot(), card_, chase_list, dialogs_)) show_race_();
}

}  // namespace rv
