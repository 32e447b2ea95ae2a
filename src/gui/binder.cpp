#include "gui/binder.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <exception>
#include <string>
#include <utility>

#include "gui/qt_text.h"
#include "gui/widget_state.h"

namespace rv::gui {
namespace {

// Applies a control's state to its view whenever the control's version moved.
template <typename View, typename State, typename Apply>
class VersionBinding final : public Binder::Binding {
 public:
  VersionBinding(View* view, const State& state, Apply apply)
      : view_(view), state_(state), apply_(std::move(apply)) {}
  void sync() override {
    if (view_.isNull() || state_.version() == seen_) return;
    seen_ = state_.version();
    apply_(*view_, state_);
  }

 private:
  QPointer<View> view_;
  const State& state_;
  std::uint64_t seen_ = 0;
  Apply apply_;
};

template <typename View, typename State, typename Apply>
std::unique_ptr<Binder::Binding> bind_state(View* view, const State& state, Apply apply) {
  return std::make_unique<VersionBinding<View, State, Apply>>(view, state, std::move(apply));
}

class GridBinding final : public Binder::Binding {
 public:
  explicit GridBinding(GridView* view) : view_(view) {}
  void sync() override {
    if (!view_.isNull()) view_->sync();
  }

 private:
  QPointer<GridView> view_;
};

void show_view(QWidget& w, bool shown) {
  set_shown(w, shown);
}
void show_view(QAction& a, bool shown) {
  a.setVisible(shown);
}

template <typename View>
void apply_control(View& v, const Control& c) {
  show_view(v, c.visible());
  v.setEnabled(c.enabled());
}

// The items of a list view, rebuilt only when the texts differ from what it shows.
template <typename View>
void apply_items(View& view, const ListControl& list, std::vector<std::string>& shown) {
  if (shown != list.items()) {
    shown = list.items();
    view.clear();
    for (const std::string& item : shown) view.addItem(qs(item));
  }
}

}  // namespace

Binder::Binder(Dialogs& dialogs, QObject* parent) : QObject(parent), dialogs_(dialogs) {
  connect(&refresh_timer_, &QTimer::timeout, this, &Binder::refresh);
}

Binder::~Binder() = default;

void Binder::start_refresh_timer(int interval_ms) {
  refresh_timer_.start(interval_ms);
}

void Binder::run(const Handler& handler) {
  ++depth_;
  try {
    if (handler) handler();
  } catch (const std::exception& e) {
    dialogs_.error(e.what());
  } catch (...) {
    dialogs_.error(sj("予期しないエラーが発生しました。"));
  }
  --depth_;
  refresh();
  repaint_grids();
}

void Binder::refresh() {
  // Indexed: a sync may open a window whose bindings are appended while the pass runs.
  // NOLINTNEXTLINE(modernize-loop-convert)
  for (std::size_t i = 0; i < bindings_.size(); ++i) bindings_[i]->sync();
}

void Binder::repaint_grids() {
  for (const QPointer<GridView>& g : grids_) {
    if (!g.isNull() && g->isVisible()) g->viewport()->update();
  }
}

void Binder::adopt(std::unique_ptr<Binding> b) {
  b->sync();
  bindings_.push_back(std::move(b));
}

void Binder::grid(GridView* view, GridHandler handler) {
  if (handler) {
    view->set_handler(
        [this, h = std::move(handler)](GridEvent ev, int row, int col, MouseButton button) {
          run([&] { h(ev, row, col, button); });
        });
  }
  grids_.emplace_back(view);
  adopt(std::make_unique<GridBinding>(view));
}

// The colours a label or panel asks for; kDefaultColor gives the widget's usual ones back.
static void apply_colors(QWidget& w, Rgb back, Rgb text) {
  const QPalette standard;
  QPalette pal = w.palette();
  w.setAutoFillBackground(back != kDefaultColor);
  pal.setColor(QPalette::Window,
               back != kDefaultColor ? QColor::fromRgb(back) : standard.color(QPalette::Window));
  pal.setColor(QPalette::WindowText, text != kDefaultColor ? QColor::fromRgb(text)
                                                           : standard.color(QPalette::WindowText));
  w.setPalette(pal);
}

// Bold adds to the font the window gave the label; it does not take a designed bold away.
void Binder::label(QLabel* view, Label& label) {
  view->setTextFormat(Qt::PlainText);
  adopt(bind_state(view, label, [base = view->font()](QLabel& w, const Label& l) {
    w.setText(qs(l.text()));
    apply_colors(w, l.color(), l.font_color());
    QFont f = base;
    if (l.bold()) f.setBold(true);
    w.setFont(f);
    apply_control(w, l);
  }));
}

void Binder::panel(QWidget* view, Label& label) {
  adopt(bind_state(view, label, [](QWidget& w, const Label& l) {
    apply_colors(w, l.color(), kDefaultColor);
    apply_control(w, l);
  }));
}

void Binder::timer(QTimer* timer, TimerState& state, Handler on_timer) {
  connect(timer, &QTimer::timeout, this, [this, h = std::move(on_timer)] { run(h); });
  // Setting a timer's state restarts its count, as switching a timer on again does.
  adopt(bind_state(timer, state, [](QTimer& t, const TimerState& s) {
    if (s.enabled()) {
      t.start(s.interval_ms());
    } else {
      t.stop();
    }
  }));
}

template <typename View, typename Signal>
void Binder::bind_toggle(View* view, Signal clicked, Toggle& toggle, Handler on_user,
                         CheckBy check_by) {
  view->setCheckable(true);
  if (!toggle.caption().empty()) view->setText(qs(toggle.caption()));
  connect(view, clicked, this,
          [this, view, &toggle, h = std::move(on_user), check_by](bool checked) {
            if (check_by == CheckBy::kView) {
              toggle.set_checked(checked);
            } else {
              view->setChecked(toggle.checked());
            }
            run(h);
            view->setChecked(toggle.checked());
          });
  adopt(bind_state(view, toggle, [](View& v, const Toggle& t) {
    v.setChecked(t.checked());
    apply_control(v, t);
  }));
}

void Binder::toggle(QAction* action, Toggle& toggle, Handler on_user, CheckBy check_by) {
  bind_toggle(action, &QAction::triggered, toggle, std::move(on_user), check_by);
}

void Binder::toggle(QAbstractButton* button, Toggle& toggle, Handler on_user, CheckBy check_by) {
  bind_toggle(button, &QAbstractButton::clicked, toggle, std::move(on_user), check_by);
}

namespace {

template <typename Item>
void check_items(const std::vector<QPointer<Item>>& items, int index) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (!items[i].isNull()) items[i]->setChecked(static_cast<int>(i) == index);
  }
}

template <typename Item, typename Signal>
void bind_radio(Binder& binder, std::vector<Item*> items, RadioGroup& group, const Handler& on_user,
                Signal signal) {
  std::vector<QPointer<Item>> guarded(items.begin(), items.end());
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i]->setCheckable(true);
    QObject::connect(items[i], signal, &binder, [&binder, &group, guarded, i, on_user] {
      group.set_item_index(static_cast<int>(i));
      binder.run(on_user);
      // Choosing the checked item again must not leave it unchecked.
      check_items(guarded, group.item_index());
    });
  }
  struct RadioBinding final : Binder::Binding {
    RadioBinding(std::vector<QPointer<Item>> v, const RadioGroup& g)
        : items(std::move(v)), group(g) {}
    void sync() override {
      if (group.version() == seen) return;
      seen = group.version();
      check_items(items, group.item_index());
      for (const QPointer<Item>& it : items) {
        if (!it.isNull()) it->setEnabled(group.enabled());
      }
    }
    std::vector<QPointer<Item>> items;
    const RadioGroup& group;
    std::uint64_t seen = 0;
  };
  auto b = std::make_unique<RadioBinding>(std::move(guarded), group);
  b->sync();
  binder.adopt(std::move(b));
}

}  // namespace

void Binder::radio(std::vector<QAction*> items, RadioGroup& group, const Handler& on_user) {
  bind_radio(*this, std::move(items), group, on_user, &QAction::triggered);
}

void Binder::radio(std::vector<QAbstractButton*> items, RadioGroup& group, const Handler& on_user) {
  bind_radio(*this, std::move(items), group, on_user, &QAbstractButton::clicked);
}

template <typename View, typename Signal, typename State, typename Get, typename Set>
void Binder::follow_index(View* view, Signal changed, State& state, Get get, Set set,
                          Handler on_user) {
  connect(view, changed, this, [this, &state, get, set, h = std::move(on_user)](int i) {
    if (i == (state.*get)()) return;
    (state.*set)(i);
    run(h);
  });
}

void Binder::list(QComboBox* view, ListControl& list, Handler on_user) {
  follow_index(view, &QComboBox::activated, list, &ListControl::item_index,
               &ListControl::set_item_index, std::move(on_user));
  adopt(bind_state(
      view, list, [shown = std::vector<std::string>()](QComboBox& w, const ListControl& l) mutable {
        const QSignalBlocker block(&w);
        apply_items(w, l, shown);
        w.setCurrentIndex(l.item_index());
        apply_control(w, l);
      }));
}

void Binder::list(QListWidget* view, ListControl& list, Handler on_user) {
  follow_index(view, &QListWidget::currentRowChanged, list, &ListControl::item_index,
               &ListControl::set_item_index, std::move(on_user));
  adopt(bind_state(
      view, list,
      [shown = std::vector<std::string>()](QListWidget& w, const ListControl& l) mutable {
        const QSignalBlocker block(&w);
        apply_items(w, l, shown);
        w.setCurrentRow(l.item_index());
        apply_control(w, l);
      }));
}

namespace {

// Reports mouse presses on a widget (a list's viewport) without taking them.
class PressFilter final : public QObject {
 public:
  PressFilter(QObject* parent, std::function<void()> on_press)
      : QObject(parent), on_press_(std::move(on_press)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonPress) on_press_();
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> on_press_;
};

}  // namespace

void Binder::check_list(QListWidget* view, CheckListBox& list, Handler on_press, Handler on_user) {
  if (on_press) {
    view->viewport()->installEventFilter(
        new PressFilter(view, [this, h = std::move(on_press)] { run(h); }));
  }
  connect(view, &QListWidget::itemChanged, this,
          [this, view, &list, h = std::move(on_user)](QListWidgetItem* item) {
            const int row = view->row(item);
            const bool on = item->checkState() == Qt::Checked;
            if (row < 0 || list.checked(row) == on) return;
            list.set_checked(row, on);
            run(h);
          });
  adopt(bind_state(
      view, list,
      [shown = std::vector<std::string>()](QListWidget& w, const CheckListBox& l) mutable {
        const QSignalBlocker block(&w);
        if (shown != l.items()) {
          shown = l.items();
          w.clear();
          for (const std::string& text : shown) {
            auto* item = new QListWidgetItem(qs(text), &w);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
          }
        }
        for (int i = 0; i < w.count(); ++i) {
          w.item(i)->setCheckState(l.checked(i) ? Qt::Checked : Qt::Unchecked);
        }
        apply_control(w, l);
      }));
}

void Binder::spin(QSpinBox* view, SpinEdit& spin, Handler on_user) {
  follow_index(view, &QSpinBox::valueChanged, spin, &SpinEdit::value, &SpinEdit::set_value,
               std::move(on_user));
  adopt(bind_state(view, spin, [](QSpinBox& w, const SpinEdit& s) {
    const QSignalBlocker block(&w);
    w.setRange(s.min(), s.max());
    w.setValue(s.value());
    apply_control(w, s);
  }));
}

void Binder::tabs(QTabWidget* view, TabControl& tabs, Handler on_change) {
  follow_index(view, &QTabWidget::currentChanged, tabs, &TabControl::tab_index,
               &TabControl::set_tab_index, std::move(on_change));
  adopt(bind_state(view, tabs, [](QTabWidget& w, const TabControl& t) {
    const QSignalBlocker block(&w);
    for (int i = 0; i < w.count() && i < static_cast<int>(t.captions().size()); ++i) {
      w.setTabText(i, qs(t.captions()[static_cast<std::size_t>(i)]));
    }
    if (t.tab_index() >= 0 && t.tab_index() < w.count()) w.setCurrentIndex(t.tab_index());
    apply_control(w, t);
  }));
}

void Binder::progress(QProgressBar* view, ProgressBar& bar) {
  adopt(bind_state(view, bar, [](QProgressBar& w, const ProgressBar& b) {
    w.setMaximum(b.max());
    w.setValue(b.position());
    apply_control(w, b);
  }));
}

void Binder::date(QDateEdit* view, DateTimePicker& picker, Handler on_user) {
  connect(view, &QDateEdit::dateChanged, this,
          [this, &picker, h = std::move(on_user)](const QDate& d) {
            const DateTime& v = picker.value();
            if (d.year() == v.year && d.month() == v.month && d.day() == v.day) return;
            picker.set_date(d.year(), d.month(), d.day());
            run(h);
          });
  adopt(bind_state(view, picker, [](QDateEdit& w, const DateTimePicker& p) {
    const QSignalBlocker block(&w);
    w.setDate(QDate(p.value().year, p.value().month, p.value().day));
    apply_control(w, p);
  }));
}

void Binder::edit(QLineEdit* view, Edit& edit, Handler on_user) {
  connect(view, &QLineEdit::textEdited, this,
          [this, &edit, h = std::move(on_user)](const QString& text) {
            edit.set_text(sjs(text));
            run(h);
          });
  adopt(bind_state(view, edit, [](QLineEdit& w, const Edit& e) {
    const QString text = qs(e.text());
    if (w.text() != text) w.setText(text);
    apply_control(w, e);
  }));
}

void Binder::control(QWidget* view, Control& control) {
  adopt(bind_state(view, control, [](QWidget& w, const Control& c) { apply_control(w, c); }));
}

void Binder::control(QAction* action, Control& control) {
  adopt(bind_state(action, control, [](QAction& a, const Control& c) { apply_control(a, c); }));
}

void Binder::tab(QTabWidget* tabs, QWidget* page, Control& control) {
  adopt(
      bind_state(tabs, control, [page = QPointer<QWidget>(page)](QTabWidget& t, const Control& c) {
        const int i = t.indexOf(page);
        if (i < 0) return;
        t.setTabVisible(i, c.visible());
        t.setTabEnabled(i, c.enabled());
      }));
}

void Binder::command(QAction* action, Handler handler) {
  connect(action, &QAction::triggered, this, [this, h = std::move(handler)] { run(h); });
}

void Binder::command(QAbstractButton* button, Handler handler) {
  connect(button, &QAbstractButton::clicked, this, [this, h = std::move(handler)] { run(h); });
}

template <typename View, typename Signal>
void Binder::bind_command(View* view, Signal clicked, Command& command, Handler handler) {
  if (!command.caption().empty()) view->setText(qs(command.caption()));
  const bool connected = static_cast<bool>(handler);
  if (connected) {
    connect(view, clicked, this, [this, h = std::move(handler)] { run(h); });
  }
  adopt(bind_state(view, command, [connected](View& v, const Command& c) {
    show_view(v, c.visible());
    v.setEnabled(connected && c.enabled());
  }));
}

void Binder::command(QAction* action, Command& command, Handler handler) {
  bind_command(action, &QAction::triggered, command, std::move(handler));
}

void Binder::command(QAbstractButton* button, Command& command, Handler handler) {
  bind_command(button, &QAbstractButton::clicked, command, std::move(handler));
}

void Binder::menu(QMenu* menu, Command& command) {
  if (!command.caption().empty()) menu->setTitle(qs(command.caption()));
  control(menu->menuAction(), command);
}

void Binder::radio(std::vector<QAction*> items, std::vector<Toggle*> toggles,
                   const Handler& on_user) {
  for (std::size_t i = 0; i < items.size() && i < toggles.size(); ++i) {
    toggle(
        items[i], *toggles[i],
        [toggles, i, on_user] {
          for (std::size_t j = 0; j < toggles.size(); ++j) toggles[j]->set_checked(j == i);
          if (on_user) on_user();
        },
        CheckBy::kHandler);
  }
}

}  // namespace rv::gui
