// Binds Qt widgets to the core's control state. Every user action is forwarded to a core
// handler through run(), after which each view whose control's version moved follows its
// control; a short timer catches changes made outside forwarded handlers. Views never
// decide anything themselves. A handler may be forwarded while another one still runs (a
// long loop lets messages run, a box is open); the core handlers that run such loops refuse
// to be entered again themselves (support/message_pump.h), so the binder forwards blindly.
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "gui/grid_view.h"
#include "support/controls.h"
#include "support/services.h"

class QAbstractButton;
class QAction;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QSpinBox;
class QTabWidget;
class QWidget;

namespace rv::gui {

using Handler = std::function<void()>;

// Who puts the check mark of a check box or checkable command when the user toggles it: the
// view (the core toggle follows the click, then the handler runs), or the handler itself
// (the view shows what the core holds once the handler has run).
enum class CheckBy : std::uint8_t { kView, kHandler };

class Binder : public QObject {
  Q_OBJECT

 public:
  struct Binding {
    virtual ~Binding() = default;
    virtual void sync() = 0;
  };

  explicit Binder(Dialogs& dialogs, QObject* parent = nullptr);
  ~Binder() override;

  // Runs a handler the way every forwarded event runs: an exception ends it and is shown in
  // the general error box; then every view follows its control.
  void run(const Handler& handler);
  // Brings every view whose control's version moved in line with it.
  void refresh();
  // Redraws the visible cells of every grid (styles may follow state outside the grid).
  void repaint_grids();
  void start_refresh_timer(int interval_ms = 100);

  // The handler gets the grid's own rows and columns.
  void grid(GridView* view, GridHandler handler = {});
  void label(QLabel* view, Label& label);
  // A panel coloured by a label's colour (its text is not shown).
  void panel(QWidget* view, Label& label);
  void timer(QTimer* timer, TimerState& state, Handler on_timer);
  void toggle(QAction* action, Toggle& toggle, Handler on_user = {},
              CheckBy check_by = CheckBy::kView);
  void toggle(QAbstractButton* button, Toggle& toggle, Handler on_user = {},
              CheckBy check_by = CheckBy::kView);
  // Radio menu items kept as one toggle each: choosing one checks it alone.
  void radio(std::vector<QAction*> items, std::vector<Toggle*> toggles,
             const Handler& on_user = {});
  // Exclusive checkable commands or radio buttons; item i is checked when the index is i.
  void radio(std::vector<QAction*> items, RadioGroup& group, const Handler& on_user = {});
  void radio(std::vector<QAbstractButton*> items, RadioGroup& group, const Handler& on_user = {});
  void list(QComboBox* view, ListControl& list, Handler on_user = {});
  void list(QListWidget* view, ListControl& list, Handler on_user = {});
  // A list of check boxes: on_press runs when the mouse is pressed in the list, on_user after
  // the user changed an item's check mark (the core list follows first).
  void check_list(QListWidget* view, CheckListBox& list, Handler on_press = {},
                  Handler on_user = {});
  // A spin edit; the core value follows every change the user makes, then on_user runs.
  void spin(QSpinBox* view, SpinEdit& spin, Handler on_user = {});
  // A tab widget's active tab; the core index follows the user's choice, then on_change runs.
  void tabs(QTabWidget* view, TabControl& tabs, Handler on_change = {});
  void progress(QProgressBar* view, ProgressBar& bar);
  // A date picker: the user's day goes into the core value, which keeps its time of day.
  void date(QDateEdit* view, DateTimePicker& picker, Handler on_user = {});
  void edit(QLineEdit* view, Edit& edit, Handler on_user = {});
  // Visibility and enabled state only (panels, buttons, menus).
  void control(QWidget* view, Control& control);
  void control(QAction* action, Control& control);
  // A page of a tab widget, shown as a tab or not.
  void tab(QTabWidget* tabs, QWidget* page, Control& control);
  // A command: caption, shown or not, enabled. One without a handler yet stays disabled.
  void command(QAction* action, Command& command, Handler handler);
  void command(QAbstractButton* button, Command& command, Handler handler);
  // A command without state of its own.
  void command(QAction* action, Handler handler);
  void command(QAbstractButton* button, Handler handler);
  // A menu: its title and whether it is shown.
  void menu(QMenu* menu, Command& command);

  // A binding of a kind not listed above; synced at once and on every pass.
  void adopt(std::unique_ptr<Binding> binding);

 private:
  // A checkable command and a check box follow their toggle alike; `clicked` is the view's
  // signal of a user's click.
  template <typename View, typename Signal>
  void bind_toggle(View* view, Signal clicked, Toggle& toggle, Handler on_user, CheckBy check_by);
  // A command and a button follow their command state alike; `clicked` is the view's signal
  // of a user's click.
  template <typename View, typename Signal>
  void bind_command(View* view, Signal clicked, Command& command, Handler handler);
  // A view's index or value signal: the core state follows the user's change (a value it
  // holds already is a refresh's echo), then on_user runs.
  template <typename View, typename Signal, typename State, typename Get, typename Set>
  void follow_index(View* view, Signal changed, State& state, Get get, Set set, Handler on_user);

  Dialogs& dialogs_;
  std::vector<std::unique_ptr<Binding>> bindings_;
  std::vector<QPointer<GridView>> grids_;
  QTimer refresh_timer_;
  int depth_ = 0;
};

}  // namespace rv::gui
