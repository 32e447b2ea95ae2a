// TUserKaimeForm on screen: the selection-set window "(軸・ヒモ馬ユーザー設定)", a stay-on-top
// window over the core form's controls. It decides nothing itself.
#pragma once

#include <QWidget>

#include "betting/user_kaime_form.h"
#include "gui/binder.h"

class QListWidget;
class QMenu;

namespace rv::gui {

class UserKaimeWindow : public QWidget {
  Q_OBJECT

 public:
  UserKaimeWindow(TUserKaimeForm& form, Binder& binder, QWidget* parent = nullptr);

  // The check list views in the order of RankList.
  [[nodiscard]] QListWidget* rank_list(RankList l) const {
    return lists_[static_cast<std::size_t>(l)];
  }
  [[nodiscard]] QMenu* popup() const { return popup_; }

 protected:
  void changeEvent(QEvent* event) override;
  // Closing only hides the window; the core form learns it, so the menu can show it again.
  void closeEvent(QCloseEvent* event) override;

 private:
  QWidget* make_rank_list(RankList l, const char* name);

  TUserKaimeForm& form_;
  Binder& binder_;
  std::array<QListWidget*, 5> lists_{};
  QMenu* popup_ = nullptr;
};

}  // namespace rv::gui
