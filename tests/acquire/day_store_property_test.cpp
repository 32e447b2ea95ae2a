// Storing record by record and storing in write-back mode must leave byte-identical day
// files, whatever the records and whatever the files held before.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>

#include "acquire/day_files.h"
#include "acquire/day_store.h"
#include "day_test_util.h"
#include "jvfeed/records.h"
#include "support/clock.h"
#include "support/files.h"
#include "support/text.h"

namespace rv {
namespace {

namespace fs = std::filesystem;
namespace jv = jvfeed;

struct Step {
  std::string record;
  RecordOrigin origin;
  bool create;
  bool flush_after;  // write-back only: a JV-Link file switch
};

class RecordMaker {
 public:
  RecordMaker() {
    const auto k = jv::key(20030412, 6, 1);
    for (const DayFileKind& kind : DayFileKinds()) {
      const jv::Kind jk = *jv::kind_of(kind.id);
      bases_.push_back(jk == jv::Kind::SE   ? jv::se(k).str()
                       : jk == jv::Kind::TC ? jv::tc(k, "04120900", "1010", "1000").str()
                       : jk == jv::Kind::WE ? jv::we(k, "04120900", 1, {}).str()
                       : jk == jv::Kind::RA ? jv::ra(k).str()
                       : jk == jv::Kind::HR ? jv::hr(k).str()
                       : jk == jv::Kind::DM ? jv::dm(k).str()
                                            : jv::odds(jk, k).str());
    }
  }

  [[nodiscard]] std::size_t kinds() const { return bases_.size(); }

  // A record of the kind (an index into DayFileKinds(), by default any) for one of two days,
  // two venues and a few races, in one of a few variants, so that keys repeat and later
  // deliveries differ from earlier ones.
  std::string random(std::mt19937& rng, std::optional<std::size_t> kind = std::nullopt) {
    auto pick = [&rng](auto... options) {
      const std::array<std::common_type_t<decltype(options)...>, sizeof...(options)> all{
          options...};
      return all[std::uniform_int_distribution<std::size_t>(0, all.size() - 1)(rng)];
    };
    std::string r =
        bases_[kind ? *kind : std::uniform_int_distribution<std::size_t>(0, kinds() - 1)(rng)];
    put_fld(r, 3, 1, std::string(1, pick('1', '2', '7', 'a')));
    put_fld(r, 16, 4, pick("0412", "0413"));
    put_fld(r, 20, 2, pick("06", "09"));
    if (r.starts_with("WE")) {
      put_fld(r, 26, 9, pick("041209001", "041210302", "041209002"));
    } else {
      put_fld(r, 26, 2, pick("01", "02", "11", "12", "13"));
    }
    if (r.starts_with("SE")) put_fld(r, 29, 2, pick("01", "02", "18", "19"));
    put_fld(r, 36, 1, pick("a", "A", "0"));
    if (pick(0, 0, 0, 0, 0, 0, 0, 0, 0, 1) == 1) put_fld(r, 18, 2, "x3");  // a damaged date
    return r;
  }

 private:
  std::vector<std::string> bases_;
};

std::vector<Step> random_steps(std::mt19937& rng, RecordMaker& maker, int n) {
  std::vector<Step> steps;
  for (int i = 0; i < n; ++i) {
    std::uniform_int_distribution<int> d(0, 9);
    steps.push_back({maker.random(rng),
                     d(rng) < 3 ? RecordOrigin::kRealTime : RecordOrigin::kStoredData, d(rng) < 8,
                     d(rng) == 0});
  }
  return steps;
}

// Day files as other writers and older versions may have left them: unsorted, with blank
// lines, duplicate keys that differ only in letter case, and a runner file cut short.
void seed_files(std::mt19937& rng, RecordMaker& maker, const fs::path& app) {
  auto chance = [&rng](int in) { return std::uniform_int_distribution<int>(0, in - 1)(rng) == 0; };
  for (std::size_t k = 0; k < maker.kinds(); ++k) {
    const DayFileKind& kind = DayFileKinds()[k];
    if (kind.slotted || chance(3)) continue;
    std::vector<std::string> lines;
    for (int i = std::uniform_int_distribution<int>(0, 4)(rng); i > 0; --i) {
      const std::string r = maker.random(rng, k);
      lines.push_back(r.substr(0, r.size() - 2));
    }
    if (!lines.empty() && chance(2)) {
      lines.push_back(lines[0]);
      lines.push_back(lines[0]);
      lines.back()[35] = lines.back()[35] == 'a' ? 'A' : 'a';
    }
    for (int i = std::uniform_int_distribution<int>(0, 4)(rng); i > 0; --i) {
      const std::size_t width = chance(2) ? kind.line_length : static_cast<std::size_t>(i % 3);
      lines.emplace_back(width, ' ');
    }
    std::shuffle(lines.begin(), lines.end(), rng);
    const std::string name =
        std::string(kind.folder) + sj("2003年04月12日") + std::string(kind.extension);
    testing::write_bytes(resolve_below(app, name), join_lines(lines));
  }
  const std::vector<std::string> cut(100, std::string(kSeLineLength, ' '));
  testing::write_bytes(resolve_below(app, sj("\\Data\\2003年04月12日中山.jvSEr")), join_lines(cut));
}

void run(const std::vector<Step>& steps, DayStore::Mode mode) {
  DayStore store(mode);
  for (const Step& s : steps) {
    store.Store(s.record, s.origin, s.create);
    if (s.flush_after && mode == DayStore::Mode::kWriteBack) store.Flush();
  }
  store.Flush();
}

TEST(DayStoreProperty, WriteBackLeavesTheSameFilesAsStoringRecordByRecord) {
  RecordMaker maker;
  ManualClock clock(DateTime{2003, 4, 12, 8, 0, 0, 0});
  set_app_clock(&clock);
  testing::AppDirScope restore;
  for (unsigned seed = 1; seed <= 6; ++seed) {
    std::mt19937 rng(seed);
    const std::vector<Step> steps = random_steps(rng, maker, 120);
    testing::TempDir one_by_one;
    testing::TempDir write_back;
    for (const fs::path& app : {one_by_one.path(), write_back.path()}) {
      testing::make_day_folders(app);
      std::mt19937 same(seed * 7919);
      seed_files(same, maker, app);
    }
    set_app_dir(one_by_one.path());
    run(steps, DayStore::Mode::kImmediate);
    set_app_dir(write_back.path());
    run(steps, DayStore::Mode::kWriteBack);

    const auto expected = testing::snapshot(one_by_one.path());
    const auto actual = testing::snapshot(write_back.path());
    ASSERT_GT(expected.size(), 12u) << "seed " << seed;
    ASSERT_EQ(expected.count("ErrorLog.txt"), 1u) << "seed " << seed;
    ASSERT_EQ(actual.size(), expected.size()) << "seed " << seed;
    for (const auto& [name, bytes] : expected) {
      ASSERT_EQ(actual.count(name), 1u) << "seed " << seed << " " << name;
      ASSERT_TRUE(actual.at(name) == bytes) << "seed " << seed << " " << name;
    }
  }
  set_app_clock(nullptr);
}

}  // namespace
}  // namespace rv
