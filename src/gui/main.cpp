// ravelin: the window program. `--appdir DIR` runs on another program folder;
// `--screenshot FILE` runs the start-up, saves a picture of the main window and ends.
#include <QApplication>
#include <QCommandLineParser>
#include <QPixmap>
#include <cstdio>
#include <memory>
#include <optional>

#include "acquire/jvlink_factory.h"
#include "app/main_form.h"
#include "app/startup.h"
#include "gui/app_font.h"
#include "gui/main_window.h"
#include "gui/qt_services.h"
#include "support/app_dir.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("ravelin");
  QApplication::setApplicationDisplayName(QString::fromUtf8("ラベリン"));

  QCommandLineParser args;
  args.addHelpOption();
  const QCommandLineOption appdir_opt("appdir", "Program folder to run on.", "DIR");
  const QCommandLineOption shot_opt("screenshot", "Save the main window as PNG and end.", "FILE");
  args.addOption(appdir_opt);
  args.addOption(shot_opt);
  args.process(app);

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
  const rv::NoInstallLocator installs;
  const std::unique_ptr<rv::JVLink> jvlink = rv::create_jvlink();
  rv::MainForm form(*dialogs, desktop, installs, *jvlink);
  rv::gui::TMainForm window(form);
  desktop.set_owner(&window);
  window.show();

  if (screenshot) {
    QApplication::processEvents();
    const QString file = args.value(shot_opt);
    if (!window.grab().save(file, "PNG")) {
      std::fprintf(stderr, "cannot write %s\n", file.toLocal8Bit().constData());
      return 1;
    }
    return 0;
  }
  return QApplication::exec();
}
