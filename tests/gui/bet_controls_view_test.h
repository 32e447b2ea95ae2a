// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class BetControlsViewTest : public QObject {
  Q_OBJECT

 private slots:
  void marksModeAndAmountGoThroughTheWindow();
  void oiageGroupSetsTheAmountOrShowsWhyNot();
  void investmentDialogStoresTheDefault();
};

}  // namespace rv::gui
