// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class BinderTest : public QObject {
  Q_OBJECT

 private slots:
  void failingHandlerShowsTheErrorBoxAndViewsStillFollow();
  void labelShowsTextColoursAndBoldAndPlainText();
  void togglesCheckedByTheViewOrByTheHandler();
  void radioItemsStayExclusiveAndFollowTheIndex();
  void listsFollowItemsAndForwardOnlyUserChoices();
  void timerRunsItsHandlerAndStopsWhenDisabled();
  void editsTabsProgressAndCommands();
  void checkListsSpinEditsAndTabControls();
};

}  // namespace rv::gui
