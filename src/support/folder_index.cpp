#include "support/folder_index.h"

#include <atomic>
#include <mutex>
#include <string>
#include <system_error>
#include <unordered_map>
#include <vector>

#include "support/text.h"

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace rv {
namespace {

namespace fs = std::filesystem;

// What tells a folder changed: its identity and modification time.
struct Stamp {
  std::uint64_t id = 0;
  std::int64_t seconds = 0;
  std::int64_t nanoseconds = 0;
  bool operator==(const Stamp&) const = default;
};

std::optional<Stamp> stamp_of(const fs::path& folder) {
#ifdef _WIN32
  std::error_code ec;
  if (!fs::is_directory(folder, ec)) return std::nullopt;
  const auto t = fs::last_write_time(folder, ec);
  if (ec) return std::nullopt;
  return Stamp{0, 0, static_cast<std::int64_t>(t.time_since_epoch().count())};
#else
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
  return Stamp{
      static_cast<std::uint64_t>(st.st_ino) ^ (static_cast<std::uint64_t>(st.st_dev) << 32),
      static_cast<std::int64_t>(st.st_mtim.tv_sec), static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
#endif
}

std::string utf8_name(const fs::path& p) {
  const auto u8 = p.filename().u8string();
  return std::string(reinterpret_cast<const char*>(u8.data()), u8.size());
}

fs::path from_utf8(std::string_view u8) {
  return fs::path(std::u8string(reinterpret_cast<const char8_t*>(u8.data()), u8.size()));
}

struct Folder {
  Stamp stamp;
  // Folded name -> the names on disk that fold to it, in the order the folder lists them.
  std::unordered_map<std::string, std::vector<std::string>> names;

  void add(std::string name) {
    std::vector<std::string>& same = names[upper_ascii(name)];
    for (const std::string& n : same) {
      if (n == name) return;
    }
    same.push_back(std::move(name));
  }
};

std::mutex index_mutex;
std::unordered_map<fs::path::string_type, Folder> folders;  // by the folder's path
std::atomic<std::uint64_t> reads{0};

void read_folder(const fs::path& path, Folder& folder, const Stamp& stamp) {
  ++reads;
  folder.names.clear();
  folder.stamp = stamp;  // taken before the listing, so a change while listing shows next time
  std::error_code ec;
  for (fs::directory_iterator it(path, ec), end; !ec && it != end; it.increment(ec)) {
    folder.add(utf8_name(it->path()));
  }
}

}  // namespace

std::optional<fs::path> find_in_folder(const fs::path& path, std::string_view name) {
  const std::lock_guard lock(index_mutex);
  const std::optional<Stamp> stamp = stamp_of(path);
  if (!stamp) {
    folders.erase(path.native());
    return std::nullopt;
  }
  const auto [it, first_use] = folders.try_emplace(path.native());
  Folder& folder = it->second;
  if (first_use || folder.stamp != *stamp) read_folder(path, folder, *stamp);
  if (const auto same = folder.names.find(upper_ascii(name)); same != folder.names.end()) {
    for (const std::string& n : same->second) {
      if (n == name) return path / from_utf8(n);
    }
    return path / from_utf8(same->second.front());
  }
  // Added within the tick of the folder's last change: the stamp cannot tell, the name can.
  fs::path exact = path / from_utf8(name);
  std::error_code ec;
  if (!fs::exists(exact, ec)) return std::nullopt;
  folder.add(std::string(name));
  return exact;
}

void note_created(const fs::path& path) {
  const std::lock_guard lock(index_mutex);
  const auto it = folders.find(path.parent_path().native());
  if (it == folders.end()) return;
  const std::optional<Stamp> stamp = stamp_of(path.parent_path());
  if (!stamp) {
    folders.erase(it);
    return;
  }
  it->second.add(utf8_name(path));
  it->second.stamp = *stamp;
}

std::uint64_t folder_reads() {
  return reads.load();
}

}  // namespace rv
