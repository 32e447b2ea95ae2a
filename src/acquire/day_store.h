// The day-file store: the only way records reach the day files (acquire/day_files.h).
//
// Keyed files (RA, HR, O1..O6, DM, WE, TC) hold one line per key, in case-insensitive text
// order; a record replaces the line of its key or joins the file, which is then sorted again
// and, for the kinds that ask for it, loses one blank first line. SE files hold 216 fixed
// slots (race 1-12 x horse 1-18) of SE lines; a new one starts blank.
//
// Two modes give byte-identical files. kImmediate loads, changes and rewrites the whole file
// for every record, so each record is on disk when the call returns. kWriteBack keeps the
// changed files in memory and writes them at Flush(), for bulk loads and real-time reads:
// flush once the store holds more than a bound, at the end, on cancel and before an error
// propagates (the destructor flushes what is still pending as a last resort and logs what it cannot
// write). Files are read when first touched, so a read error surfaces at once. A file whose
// bytes come out as they were read is not written again.
//
// Records that cannot name their file (Year and MonthDay not eight digits, an SE venue code
// that is not a named two-digit code) or that are malformed (wrong length for their kind, a
// line break inside) are not stored; each leaves a line in the error log. A file that cannot
// be read or written raises FileError; what was stored before stays stored.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "acquire/day_files.h"

namespace rv {

// The record's id, data kind, creation date and race key, safe to print in the error log.
std::string RecordHeadForLog(std::string_view record);

class DayStore {
 public:
  enum class Mode { kImmediate, kWriteBack };

  explicit DayStore(Mode mode = Mode::kImmediate) : mode_(mode) {}
  ~DayStore();
  DayStore(const DayStore&) = delete;
  DayStore& operator=(const DayStore&) = delete;

  // Stores a record of any day-file kind by that kind's rules. create_if_missing decides
  // whether a day file that does not exist yet is started. Returns true when a file took
  // the record; false for kinds without a day file, records that were dropped and missing
  // files that were not to be created.
  bool Store(std::string_view record, RecordOrigin origin, bool create_if_missing);

  // Merges one record into a keyed file folder + file_name (Shift-JIS, below AppDir).
  bool StoreKeyedRecord(std::string_view folder, std::string_view file_name, std::size_t key_first,
                        std::size_t key_length, std::string_view record, bool zero_kind_and_date,
                        bool create_if_missing, bool drop_blank_first_line);

  // Lays a record into a keyed file exactly as it is: every line of its key replaced, or
  // the record appended; neither zeroed nor sorted. A missing file becomes a file of that
  // one line. For odds taken from elsewhere, whose readers find lines by race.
  bool ReplaceKeyedLines(std::string_view folder, std::string_view file_name, std::size_t key_first,
                         std::size_t key_length, std::string_view record);

  // Writes one SE slot of "\Data\" + file_name; races 1-12 and horses 1-18 only.
  bool StoreSeRecord(std::string_view file_name, int race, int horse, std::string_view record,
                     bool create_if_missing);

  // Writes every changed file. When some cannot be written the others still are, all are
  // forgotten, and the first FileError is thrown.
  void Flush();

  [[nodiscard]] Mode mode() const { return mode_; }
  [[nodiscard]] std::size_t pending_files() const;
  // Bytes the store holds for its files: what it read of them and the lines it took.
  [[nodiscard]] std::size_t held_bytes() const;

 private:
  // The bytes of the lines the store took, in blocks that never move, so a file's lines can
  // be views; a block is kept for reuse once its files are written.
  class LineArena {
   public:
    // Room for n bytes, valid until clear().
    char* allocate(std::size_t n);
    void clear();
    [[nodiscard]] std::size_t used() const;

   private:
    // Left uninitialised: a block is megabytes, and a fetch of one race fills a sliver of it.
    struct Block {
      std::unique_ptr<char[]> bytes;
      std::size_t size = 0;
    };
    std::vector<Block> blocks_;
    std::size_t block_ = 0;  // the block being filled
    std::size_t used_ = 0;   // bytes of it taken
  };

  struct DayFile {
    std::filesystem::path path;
    bool exists = false;
    bool on_disk = false;  // read from disk, so `loaded` is what the disk holds
    bool sorted = false;   // lines known to be in order (write-back only)
    bool dirty = false;
    std::string loaded;  // the file as read; lines that were not replaced point into it
    std::vector<std::string_view> lines;
  };

  DayFile& open(std::string_view folder, std::string_view file_name);
  static void load(DayFile& file, std::string_view relative);
  void start(DayFile& file, std::vector<std::string_view> lines);
  void commit(DayFile& file);
  // False when the file needed no writing; the folder's entry is flushed when asked.
  bool write(const DayFile& file, bool and_folder = true);
  // The record's line, checked, copied into the arena.
  std::optional<std::string_view> take_line(std::string_view record, bool zero_kind_and_date);

  Mode mode_;
  LineArena arena_;
  std::string out_;                                    // a file's bytes as written
  std::string relative_;                               // folder + name of the current record
  std::unique_ptr<DayFile> scratch_;                   // the current record's file (kImmediate)
  std::map<std::string, DayFile, std::less<>> files_;  // by folder + name (kWriteBack)
};

}  // namespace rv
