// Qt Test cases; declared here so that moc runs on a header.
#pragma once

#include <QObject>

namespace rv::gui {

class PreviewViewTest : public QObject {
  Q_OBJECT

 private slots:
  void marksThresholdsAndTheLossRegisterGoThroughTheWindow();
  void anAllDaysVerificationShowsItsDayAndStopsWhenCancelled();
};

}  // namespace rv::gui
