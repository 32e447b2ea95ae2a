// TLossRegForm on screen: the loss register "損失金管理", a stay-on-top window over the core
// form's controls. It decides nothing itself.
#pragma once

#include <QWidget>

#include "betting/loss_register.h"
#include "gui/binder.h"

class QMenu;

namespace rv::gui {

class LossRegWindow : public QWidget {
  Q_OBJECT

 public:
  LossRegWindow(TLossRegForm& form, Binder& binder, QWidget* parent = nullptr);
  [[nodiscard]] QMenu* popup() const { return popup_; }

 protected:
  void changeEvent(QEvent* event) override;
  // Closing only hides the window; "損失メモ" shows it again.
  void closeEvent(QCloseEvent* event) override;

 private:
  TLossRegForm& form_;
  Binder& binder_;
  QMenu* popup_ = nullptr;
};

}  // namespace rv::gui
