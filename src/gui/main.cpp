// ravelin: the window program. `--appdir DIR` runs on another program folder;
// `--screenshot FILE` runs the start-up, saves a picture of the main window and ends.
// `--day`, `--race` and `--tab` choose what the window shows first, through its own controls
// as a user would, so that a picture can show a loaded day, a race and one of its tabs.
// `--clock yyyymmddhhmm` starts the window's clock at that moment and `--speed N` runs it N
// times as fast, so a person can watch a race day unfold on recorded data; `--wait SECONDS`
// lets the window run that long on its clock before the picture is taken. `--press CAPTION`
// then clicks a button; when that opens another window, the picture is of that window.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <optional>

#include "acquire/jvlink_factory.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "gui/app_font.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"
#include "gui/window_choice.h"
#include "support/app_dir.h"
#include "support/clock.h"
#include "support/install_locator.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("ravelin");
  QApplication::setApplicationDisplayName(QString::fromUtf8("ラベリン"));

  QCommandLineParser args;
  args.addHelpOption();
  const QCommandLineOption appdir_opt("appdir", "Program folder to run on.", "DIR");
  const QCommandLineOption shot_opt("screenshot", "Save the main window as PNG and end.", "FILE");
  const QCommandLineOption day_opt("day", "Day to load first (yyyymmdd).", "DAY");
  const QCommandLineOption race_opt("race", "Race-list index to show first.", "SLOT");
  const QCommandLineOption tab_opt("tab", "Tab to bring forward, by its caption.", "CAPTION");
  const QCommandLineOption clock_opt("clock", "Start the clock at this moment.", "yyyymmddhhmm");
  const QCommandLineOption speed_opt("speed", "Run the clock N times as fast.", "N", "1");
  const QCommandLineOption press_opt("press", "Button to click last, by its caption.", "CAPTION");
  const QCommandLineOption wait_opt("wait", "Run this long on the clock before the screenshot.",
                                    "SECONDS", "0");
  args.addOptions({appdir_opt, shot_opt, day_opt, race_opt, tab_opt, clock_opt, speed_opt, wait_opt,
                   press_opt});
  args.process(app);

  bool speed_ok = false;
  const double speed = args.value(speed_opt).toDouble(&speed_ok);
  bool wait_ok = false;
  const double wait_s = args.value(wait_opt).toDouble(&wait_ok);
  if (!speed_ok || speed <= 0 || !wait_ok || wait_s < 0) {
    std::fprintf(stderr, "--speed needs a number above 0 and --wait one of 0 or more\n");
    return 2;
  }
  std::optional<rv::RunningClock> clock;
  if (args.isSet(clock_opt)) {
    const rv::DateTime start = rv::parse_dt(args.value(clock_opt).toStdString() + "00");
    if (!start.valid() || args.value(clock_opt).size() != 12) {
      std::fprintf(stderr, "--clock needs a moment as yyyymmddhhmm\n");
      return 2;
    }
    clock.emplace(start, speed);
  } else if (args.isSet(speed_opt)) {
    clock.emplace(rv::SystemClock().now(), speed);
  }
  const rv::AppClockScope clock_scope(clock ? &*clock : nullptr);

  std::optional<std::filesystem::path> appdir;
  if (args.isSet(appdir_opt)) appdir = rv::gui::fspath(args.value(appdir_opt));
  rv::set_app_dir(rv::find_app_dir(appdir));
  rv::gui::use_japanese_font();

  const bool screenshot = args.isSet(shot_opt);
  std::unique_ptr<rv::Dialogs> dialogs;
  if (screenshot) {
    dialogs = std::make_unique<rv::gui::ConsoleDialogs>();
  } else {
    dialogs = std::make_unique<rv::gui::QtDialogs>();
  }
  if (!rv::JVLinkPresenceTest(*dialogs)) return 1;

  rv::gui::QtDesktop desktop;
  const rv::PlatformInstallLocator installs;
  const std::unique_ptr<rv::JVLink> jvlink = rv::create_jvlink();
  rv::gui::QtDispatcher dispatcher;
  rv::MainForm form(*dialogs, desktop, installs, *jvlink, dispatcher);
  rv::gui::TMainForm window(form);
  desktop.set_owner(&window);
  window.show();
  if (args.isSet(day_opt) && !rv::gui::choose_day(window, args.value(day_opt))) {
    std::fprintf(stderr, "no such day: %s\n", args.value(day_opt).toLocal8Bit().constData());
    return 2;
  }
  if (args.isSet(race_opt) && !rv::gui::choose_race(window, args.value(race_opt).toInt())) {
    std::fprintf(stderr, "no such race: %s\n", args.value(race_opt).toLocal8Bit().constData());
    return 2;
  }
  if (args.isSet(tab_opt) && !rv::gui::choose_tab(window, args.value(tab_opt))) {
    std::fprintf(stderr, "no such tab: %s\n", args.value(tab_opt).toLocal8Bit().constData());
    return 2;
  }

  QWidget* shown = &window;
  if (args.isSet(press_opt)) {
    if (!rv::gui::press_button(window, args.value(press_opt))) {
      std::fprintf(stderr, "no such button: %s\n", args.value(press_opt).toLocal8Bit().constData());
      return 2;
    }
    QApplication::processEvents();
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != &window && w->isVisible() && w->isWindow()) shown = w;
    }
  }

  if (screenshot) {
    if (wait_s > 0) {
      QTimer::singleShot(static_cast<int>(wait_s * 1000 / speed), &app, &QApplication::quit);
      QApplication::exec();
    }
    QApplication::processEvents();
    const QString file = args.value(shot_opt);
    if (!shown->grab().save(file, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
      return 1;
    }
    return 0;
  }
  return QApplication::exec();
}
