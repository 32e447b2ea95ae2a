#include "acquire/day_store.h"

#include <algorithm>
#include <optional>
#include <set>
#include <system_error>

#include "acquire/day_merge.h"
#include "jvdata/code_tables.h"
#include "support/app_dir.h"
#include "support/error_log.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

constexpr std::string_view kDataFolder = "\\Data\\";

void log_dropped(std::string_view why, std::string_view record) {
  AppendErrorLog(SJ("保存できないレコード（") + std::string(why) + SJ("）：") +
                 RecordHeadForLog(record));
}

}  // namespace

std::string RecordHeadForLog(std::string_view record) {
  std::string head(jv::field(record, jv::head::All));
  for (char& c : head) {
    if (static_cast<unsigned char>(c) < 0x20) c = '?';
  }
  return head;
}

DayStore::~DayStore() {
  if (pending_files() == 0) return;
  try {
    Flush();
  } catch (const FileError& e) {
    try {
      AppendErrorLog(e.what());
    } catch (...) {  // nothing left to tell it to
    }
  } catch (...) {
  }
}

bool DayStore::Store(std::string_view record, RecordOrigin origin, bool create_if_missing) {
  const DayFileKind* kind = FindDayFileKind(record);
  if (kind == nullptr) return false;
  const std::size_t length = RecordLine(record).size();
  if (length != kind->line_length) {
    log_dropped(fmt("長さ %zu バイト、%s は %zu バイト", length, std::string(kind->id).c_str(),
                    kind->line_length),
                record);
    return false;
  }
  const std::optional<std::string> day = DayName(record);
  if (!day) {
    log_dropped(SJ("開催日が不正"), record);
    return false;
  }
  // A venue no table names would be listed as a race without a name, and its SE records
  // would have no file to go to.
  if (BashoShortName(jv::field(record, jv::head::JyoCD)).empty()) {
    log_dropped(SJ("場コードが不正"), record);
    return false;
  }
  if (kind->slotted) {
    const std::optional<std::string> name = SeFileName(*day, jv::field(record, jv::head::JyoCD));
    if (!name) {
      log_dropped(SJ("場コードが不正"), record);
      return false;
    }
    return StoreSeRecord(*name, inum(jv::field(record, jv::head::RaceNum)),
                         inum(jv::field(record, jv::se::Umaban)), record, create_if_missing);
  }
  return StoreKeyedRecord(kind->folder, *day + std::string(kind->extension),
                          static_cast<std::size_t>(kind->key.pos), kind->key.size(), record,
                          kind->zeroes(origin), create_if_missing, kind->drop_blank_first_line);
}

bool DayStore::StoreKeyedRecord(std::string_view folder, std::string_view file_name,
                                std::size_t key_first, std::size_t key_length,
                                std::string_view record, bool zero_kind_and_date,
                                bool create_if_missing, bool drop_blank_first_line) {
  const std::optional<std::string_view> line = take_line(record, zero_kind_and_date);
  if (!line) return false;
  DayFile& file = open(folder, file_name);
  if (!file.exists) {
    if (!create_if_missing) return false;
    start(file, {});
  }
  const KeySpec spec{key_first, key_length, drop_blank_first_line};
  if (file.sorted) {
    MergeKeyedLineSorted(file.lines, *line, spec);
  } else {
    MergeKeyedLine(file.lines, *line, spec);
    file.sorted = mode_ == Mode::kWriteBack;
  }
  commit(file);
  return true;
}

bool DayStore::ReplaceKeyedLines(std::string_view folder, std::string_view file_name,
                                 std::size_t key_first, std::size_t key_length,
                                 std::string_view record) {
  const std::optional<std::string_view> line = take_line(record, false);
  if (!line) return false;
  DayFile& file = open(folder, file_name);
  if (!file.exists) start(file, {});
  rv::ReplaceKeyedLines(file.lines, *line, {key_first, key_length, false});
  file.sorted = false;
  commit(file);
  return true;
}

bool DayStore::StoreSeRecord(std::string_view file_name, int race, int horse,
                             std::string_view record, bool create_if_missing) {
  const std::optional<std::size_t> slot = SeSlot(race, horse);
  if (!slot) return false;
  const std::optional<std::string_view> line = take_line(record, false);
  if (!line) return false;
  DayFile& file = open(kDataFolder, file_name);
  if (!file.exists) {
    if (!create_if_missing) return false;
    start(file, BlankSeLines());
  }
  PutSeLine(file.lines, *slot, *line);
  commit(file);
  return true;
}

void DayStore::Flush() {
  std::optional<FileError> first;
  std::set<fs::path> folders;
  for (auto& [name, file] : files_) {
    if (!file.dirty) continue;
    try {
      if (write(file, false)) folders.insert(file.path.parent_path());
    } catch (const FileError& e) {
      if (!first) first = e;
    }
  }
  for (const fs::path& folder : folders) flush_folder(folder);
  files_.clear();
  arena_.clear();
  if (first) throw *first;
}

std::size_t DayStore::held_bytes() const {
  std::size_t n = arena_.used();
  for (const auto& [name, file] : files_) n += file.loaded.size();
  return n;
}

std::size_t DayStore::pending_files() const {
  std::size_t n = 0;
  for (const auto& [name, file] : files_) n += file.dirty ? 1 : 0;
  return n;
}

DayStore::DayFile& DayStore::open(std::string_view folder, std::string_view file_name) {
  relative_.assign(folder);
  relative_ += file_name;
  if (mode_ == Mode::kImmediate) {
    scratch_ = std::make_unique<DayFile>();
    load(*scratch_, relative_);
    return *scratch_;
  }
  if (const auto it = files_.find(relative_); it != files_.end()) return it->second;
  const auto it = files_.try_emplace(relative_).first;
  try {
    load(it->second, relative_);
  } catch (...) {
    files_.erase(it);
    throw;
  }
  return it->second;
}

void DayStore::load(DayFile& file, std::string_view relative) {
  file.path = app_path(relative);
  if (std::optional<std::string> data = read_file(file.path)) {
    file.exists = true;
    file.on_disk = true;
    file.loaded = std::move(*data);
    for_each_line(file.loaded, [&file](std::string_view line) { file.lines.push_back(line); });
  }
}

void DayStore::start(DayFile& file, std::vector<std::string_view> lines) {
  // Fail now, as a direct write would, rather than at a later flush.
  std::error_code ec;
  if (!std::filesystem::is_directory(file.path.parent_path(), ec)) {
    throw FileError(path_text(file.path) + SJ(" に書き込めません。"));
  }
  file.exists = true;
  file.sorted = mode_ == Mode::kWriteBack;
  file.lines = std::move(lines);
}

void DayStore::commit(DayFile& file) {
  if (mode_ == Mode::kImmediate) {
    write(file);
    scratch_.reset();  // a day of trifecta odds is megabytes; do not keep it
    arena_.clear();
  } else {
    file.dirty = true;
  }
}

bool DayStore::write(const DayFile& file, bool and_folder) {
  join_lines(file.lines, out_);
  // A record stored again as it stands (the results of the day fetched every few minutes)
  // leaves the file as it is on disk: nothing to write.
  if (file.on_disk && out_ == file.loaded) return false;
  write_file_atomic(file.path, out_, and_folder);
  return true;
}

std::optional<std::string_view> DayStore::take_line(std::string_view record,
                                                    bool zero_kind_and_date) {
  if (mode_ == Mode::kImmediate) arena_.clear();  // the last record's file is written
  const std::string_view line = RecordLine(record);
  // A line break inside a record would split it into two lines when the file is read back.
  // Two single-byte searches: find_first_of would test every byte against the set.
  if (line.find('\n') != std::string_view::npos || line.find('\r') != std::string_view::npos) {
    log_dropped(SJ("改行を含む"), record);
    return std::nullopt;
  }
  // Data kind and creation date zeroed; a shorter line is first padded to them.
  constexpr jv::Field kZeroed = jv::through(jv::rec::DataKubun, jv::rec::MakeDate);
  const std::size_t size =
      zero_kind_and_date ? std::max(line.size(), kZeroed.offset() + kZeroed.size()) : line.size();
  char* bytes = arena_.allocate(size);
  std::copy(line.begin(), line.end(), bytes);
  std::fill(bytes + line.size(), bytes + size, ' ');
  if (zero_kind_and_date) std::fill_n(bytes + kZeroed.offset(), kZeroed.size(), '0');
  return std::string_view(bytes, size);
}

char* DayStore::LineArena::allocate(std::size_t n) {
  // Blocks of a few megabytes: a flush's worth of lines in a handful of them.
  constexpr std::size_t kBlock = std::size_t{4} << 20;
  while (block_ < blocks_.size() && blocks_[block_].size - used_ < n) {
    ++block_;
    used_ = 0;
  }
  if (block_ == blocks_.size()) {
    const std::size_t size = std::max(n, kBlock);
    // NOLINTNEXTLINE(cppcoreguidelines-avoid-c-arrays,modernize-avoid-c-arrays)
    blocks_.push_back({std::make_unique_for_overwrite<char[]>(size), size});
    used_ = 0;
  }
  char* p = blocks_[block_].bytes.get() + used_;
  used_ += n;
  return p;
}

std::size_t DayStore::LineArena::used() const {
  std::size_t n = used_;
  for (std::size_t b = 0; b < block_ && b < blocks_.size(); ++b) n += blocks_[b].size;
  return n;
}

void DayStore::LineArena::clear() {
  block_ = 0;
  used_ = 0;
}

}  // namespace rv
