// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class RaceCardViewTest : public QObject {
  Q_OBJECT

 private slots:
  void entryCardSortsAndCopiesThroughItsButtons();
  void resultsCardPressNamesTheHorseInItsPopup();
  void choicesByStartOptionGoThroughTheControls();
};

}  // namespace rv::gui
