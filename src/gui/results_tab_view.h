// The results tab "結果": one group of payout labels per bet type, each with its caption and
// the rows "結果：", "人気：", "配当：".
#pragma once

#include <QWidget>

#include "gui/binder.h"
#include "model/results_tab.h"

namespace rv::gui {

class ResultsTabView : public QWidget {
  Q_OBJECT

 public:
  ResultsTabView(ResultsTab& tab, Binder& binder, QWidget* parent = nullptr);
};

}  // namespace rv::gui
