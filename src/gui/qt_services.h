// The services the core asks of its surroundings, done with Qt: message boxes, the busy
// cursor, the shell, the clipboard, sound and the folder dialog.
#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>

#include "support/dispatcher.h"
#include "support/services.h"

class QSoundEffect;

namespace rv::gui {

QString qpath(const std::filesystem::path& p);
std::filesystem::path fspath(const QString& p);

class QtDialogs final : public Dialogs {
 public:
  // Boxes are owned by the active window, or by `owner` when none is active.
  explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}
  void set_owner(QWidget* owner) { owner_ = owner; }

  void info(std::string_view text) override;
  bool confirm(std::string_view text) override;
  void error(std::string_view text) override;
  void beep() override;
  void busy(bool on) override;
  void process_events() override;

 private:
  [[nodiscard]] QWidget* parent() const;

  QPointer<QWidget> owner_;
  bool busy_ = false;
};

// For runs nobody watches (a screenshot): messages go to standard error and confirmations
// are answered No, so nothing waits for a person.
class ConsoleDialogs final : public Dialogs {
 public:
  void info(std::string_view text) override;
  bool confirm(std::string_view text) override;
  void error(std::string_view text) override;
  void beep() override {}
  void busy(bool /*on*/) override {}
  void process_events() override;
};

// Tasks become queued calls on the receiver's thread (by default the application object's:
// the user-interface thread), run by its event loop in the order posted. Queued calls still
// waiting when the receiver is destroyed are dropped; it must outlive every post.
class QtDispatcher final : public Dispatcher {
 public:
  explicit QtDispatcher(QObject* receiver = nullptr);
  void post(Task task) override;

 private:
  QObject* receiver_;
};

class QtDesktop final : public Desktop {
 public:
  explicit QtDesktop(QWidget* owner = nullptr);
  ~QtDesktop() override;
  QtDesktop(const QtDesktop&) = delete;
  QtDesktop& operator=(const QtDesktop&) = delete;
  void set_owner(QWidget* owner) { owner_ = owner; }

  bool open(const std::filesystem::path& file) override;
  bool launch(const std::filesystem::path& program, const std::vector<std::string>& args,
              const std::filesystem::path& working_dir) override;
  void set_clipboard(std::string_view text) override;
  void play_wav(const std::filesystem::path& file) override;
  std::optional<std::filesystem::path> choose_folder(std::string_view caption,
                                                     const std::filesystem::path& start) override;

 private:
  QPointer<QWidget> owner_;
  std::unique_ptr<QSoundEffect> sound_;
};

}  // namespace rv::gui
