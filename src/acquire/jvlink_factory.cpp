#include "acquire/jvlink_factory.h"

#include <cstdlib>
#include <system_error>

#include "acquire/jvlink_bridge.h"
#include "acquire/jvlink_sim.h"
#include "support/app_dir.h"
#include "support/environment.h"
#include "support/files.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace rv {

namespace {

#ifdef _WIN32
// The control registers its ProgID under HKEY_CLASSES_ROOT.
bool control_registered() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, L"JVDTLab.JVLink\\CLSID", 0, KEY_READ, &key) !=
      ERROR_SUCCESS) {
    return false;
  }
  RegCloseKey(key);
  return true;
}
#endif

}  // namespace

std::filesystem::path jvlink_feed_folder() {
  if (const auto env = env_var("JVLINK_SIM_FEED"); env && !env->empty()) {
    return std::filesystem::absolute(utf8_path(*env));
  }
  return app_path("\\jvfeed");
}

std::vector<std::string> command_words(std::string_view text) {
  std::vector<std::string> words;
  std::string word;
  bool in_word = false;
  char quote = 0;
  for (const char c : text) {
    if (quote != 0) {
      if (c == quote) {
        quote = 0;
      } else {
        word.push_back(c);
      }
    } else if (c == '"' || c == '\'') {
      quote = c;
      in_word = true;
    } else if (c == ' ' || c == '\t') {
      if (in_word) words.push_back(std::move(word));
      word.clear();
      in_word = false;
    } else {
      word.push_back(c);
      in_word = true;
    }
  }
  if (in_word) words.push_back(std::move(word));
  return words;
}

std::vector<std::string> jvlink_helper_command() {
  std::vector<std::string> argv;
  if (const auto env = env_var("RAVELIN_JVLINK_HELPER")) return command_words(*env);
#ifdef _WIN32
  if (control_registered()) {
    const auto u8 = (executable_dir() / "ravelin-jvlink.exe").u8string();
    argv.emplace_back(reinterpret_cast<const char*>(u8.data()), u8.size());
  }
#endif
  return argv;
}

bool jvlink_installed() {
  if (!jvlink_helper_command().empty()) return true;
  std::error_code ec;
  return std::filesystem::is_directory(jvlink_feed_folder(), ec);
}

std::unique_ptr<JVLink> create_jvlink() {
  if (auto helper = jvlink_helper_command(); !helper.empty()) {
    return std::make_unique<JVLinkBridge>(std::move(helper));
  }
  return std::make_unique<JVLinkSim>(jvlink_feed_folder());
}

}  // namespace rv
