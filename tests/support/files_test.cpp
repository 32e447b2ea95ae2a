#include "support/files.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>

#include "common/temp_dir.h"
#include "support/text.h"

namespace rv {
namespace {

using testing::slurp;
using testing::TempDir;
using testing::write_bytes;

TEST(Lines, SplitAtAnyLineBreakWithoutATrailingEmptyLine) {
  EXPECT_EQ(split_lines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(split_lines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_EQ(split_lines("a\r\nlast"), (std::vector<std::string>{"a", "last"}));
  EXPECT_TRUE(split_lines("").empty());
  EXPECT_EQ(split_lines("\n\r\r\nx\r"), (std::vector<std::string>{"", "", "", "x"}));
  const std::string long_line(100000, 'o');
  EXPECT_EQ(split_lines(long_line + "\r" + long_line + "\n\n"),
            (std::vector<std::string>{long_line, long_line, ""}));
  EXPECT_EQ(join_lines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

TEST(Files, AtomicWriteReplacesWholeAndLeavesNoTemporaryFile) {
  TempDir d;
  const auto f = d.path() / "x.txt";
  write_lines(f, {"one", "two"});
  write_lines(f, {"three"});
  EXPECT_EQ(slurp(f), "three\r\n");
  EXPECT_EQ(std::distance(fs::directory_iterator(d.path()), fs::directory_iterator()), 1);
  EXPECT_EQ(read_lines(f), std::vector<std::string>{"three"});
  EXPECT_TRUE(read_lines(d.path() / "missing").empty());
  EXPECT_FALSE(read_file(d.path() / "missing").has_value());
}

TEST(Files, WriteIntoAMissingFolderFailsWithTheFileNamed) {
  TempDir d;
  try {
    write_file_atomic(d.path() / "no" / "such.txt", "x");
    FAIL() << "expected FileError";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find("such.txt"), std::string::npos);
    EXPECT_NE(std::string(e.what()).find(sj("（フォルダがありません）")), std::string::npos);
  }
}

TEST(Files, TemporaryFilesOfEndedRunsAreRemovedAndARunningOnesKept) {
  TempDir d;
  fs::create_directories(d.path() / "DATA" / "deeper");
  const std::string mine = ".tmp" + std::to_string(getpid());
  // Process ids run below 2^22 here; one above names no process.
  for (const auto& f : {d.path() / "a.ini.tmp99999999", d.path() / "DATA" / "b.jvRA.tmp99999998",
                        d.path() / "DATA" / "deeper" / "c.tmp99999997", d.path() / ("d.ini" + mine),
                        d.path() / "e.tmpx", d.path() / "f.txt"}) {
    write_bytes(f, "x");
  }
  EXPECT_EQ(remove_stale_temp_files(d.path()), 2U);
  EXPECT_FALSE(fs::exists(d.path() / "a.ini.tmp99999999"));
  EXPECT_FALSE(fs::exists(d.path() / "DATA" / "b.jvRA.tmp99999998"));
  for (const auto& kept : {d.path() / "DATA" / "deeper" / "c.tmp99999997",
                           d.path() / ("d.ini" + mine), d.path() / "e.tmpx", d.path() / "f.txt"}) {
    EXPECT_TRUE(fs::exists(kept)) << kept;
  }
}

TEST(Files, FixedRecordsStopAtTheLastWholeRecord) {
  TempDir d;
  const auto f = d.path() / "r.dat";
  write_bytes(f, "AAAA\r\nBBBB\r\nCC");
  char buf[3][8];
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(read_records(f, 6, &buf[0][0], 8, 3), 2u);
  EXPECT_EQ(std::string(buf[0], 6), "AAAA\r\n");
  EXPECT_EQ(std::string(buf[1], 6), "BBBB\r\n");
  EXPECT_EQ(std::string(buf[2], 6), "      ");  // the torn record is not left half-filled
  EXPECT_EQ(read_records(f, 6, &buf[0][0], 8, 1), 1u);
  EXPECT_EQ(read_records(d.path() / "none", 6, &buf[0][0], 8, 3), 0u);

  char one[6];
  EXPECT_TRUE(read_record_at(f, 6, 1, one));
  EXPECT_EQ(std::string(one, 6), "BBBB\r\n");
  EXPECT_FALSE(read_record_at(f, 6, 2, one));

  // A run of records from the middle, as a race's runners are read from a venue file.
  std::memset(buf, '#', sizeof buf);
  EXPECT_EQ(read_records(f, 6, 1, &buf[0][0], 8, 3), 1u);
  EXPECT_EQ(std::string(buf[0], 6), "BBBB\r\n");
  EXPECT_EQ(std::string(buf[1], 6), "      ");
  EXPECT_EQ(read_records(f, 6, 5, &buf[0][0], 8, 3), 0u);
}

TEST(Files, ScannerOffersWholeRecordsToTakeOrSkip) {
  TempDir d;
  const auto f = d.path() / "r.dat";
  write_bytes(f, "A1aa\r\nB2bb\r\nC3cc\r\nD4");
  RecordScanner scan(f, 6);
  ASSERT_TRUE(scan.exists());
  EXPECT_EQ(scan.count(), 3u);
  std::string taken;
  char head[2];
  char rec[6];
  while (scan.next(head, 2)) {
    if (head[1] == '2') {
      scan.skip();
      continue;
    }
    scan.take(rec);
    taken.append(rec, 4);
  }
  EXPECT_EQ(taken, "A1aaC3cc");  // the torn "D4" is never offered

  // Taking into the buffer that holds the head reads the rest behind it.
  RecordScanner again(f, 6);
  ASSERT_TRUE(again.next(rec, 3));
  again.take(rec);
  EXPECT_EQ(std::string(rec, 6), "A1aa\r\n");

  RecordScanner none(d.path() / "none", 6);
  EXPECT_FALSE(none.exists());
  EXPECT_FALSE(none.next(head, 2));
}

}  // namespace
}  // namespace rv
