#include "gui/qt_services.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QMetaObject>
#include <QProcess>
#include <QSoundEffect>
#include <QUrl>
#include <cstdio>
#include <utility>

#include "gui/qt_text.h"

namespace rv::gui {

QString qpath(const std::filesystem::path& p) {
  return QString::fromStdU16String(p.u16string());
}

std::filesystem::path fspath(const QString& p) {
  return {p.toStdU16String()};
}

namespace {

QString title() {
  return QApplication::applicationDisplayName();
}

void to_stderr(std::string_view text) {
  const std::string u = to_utf8(text);
  std::fprintf(stderr, "%s\n", u.c_str());
}

}  // namespace

QWidget* QtDialogs::parent() const {
  QWidget* active = QApplication::activeWindow();
  return active != nullptr ? active : owner_.data();
}

void QtDialogs::info(std::string_view text) {
  QMessageBox::information(parent(), title(), qs(text), QMessageBox::Ok);
}

bool QtDialogs::confirm(std::string_view text) {
  return QMessageBox::question(parent(), title(), qs(text), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

void QtDialogs::error(std::string_view text) {
  QMessageBox::critical(parent(), title(), qs(text), QMessageBox::Ok);
}

void QtDialogs::beep() {
  QApplication::beep();
}

// Switching the cursor is a state, not a count: "off" ends it however often it was put on.
void QtDialogs::busy(bool on) {
  if (on == busy_) return;
  busy_ = on;
  if (on) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else {
    QApplication::restoreOverrideCursor();
  }
}

void QtDialogs::process_events() {
  QCoreApplication::processEvents();
}

void ConsoleDialogs::info(std::string_view text) {
  to_stderr(text);
}

bool ConsoleDialogs::confirm(std::string_view text) {
  to_stderr(text);
  return false;
}

void ConsoleDialogs::error(std::string_view text) {
  to_stderr(text);
}

void ConsoleDialogs::process_events() {
  QCoreApplication::processEvents();
}

QtDispatcher::QtDispatcher(QObject* receiver)
    : receiver_(receiver != nullptr ? receiver : QCoreApplication::instance()) {}

void QtDispatcher::post(Task task) {
  QMetaObject::invokeMethod(receiver_, std::move(task), Qt::QueuedConnection);
}

QtDesktop::QtDesktop(QWidget* owner) : owner_(owner) {}

QtDesktop::~QtDesktop() = default;

bool QtDesktop::open(const std::filesystem::path& file) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(qpath(file)));
}

bool QtDesktop::launch(const std::filesystem::path& program, const std::vector<std::string>& args,
                       const std::filesystem::path& working_dir) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(args.size()));
  for (const std::string& a : args) list << qs(a);
  return QProcess::startDetached(qpath(program), list, qpath(working_dir));
}

void QtDesktop::set_clipboard(std::string_view text) {
  QApplication::clipboard()->setText(qs(text));
}

void QtDesktop::play_wav(const std::filesystem::path& file) {
  if (!sound_) sound_ = std::make_unique<QSoundEffect>();
  sound_->setSource(QUrl::fromLocalFile(qpath(file)));
  sound_->play();
}

std::optional<std::filesystem::path> QtDesktop::choose_folder(std::string_view caption,
                                                              const std::filesystem::path& start) {
  const QString dir = QFileDialog::getExistingDirectory(owner_.data(), qs(caption), qpath(start));
  if (dir.isEmpty()) return std::nullopt;
  return fspath(dir);
}

}  // namespace rv::gui
