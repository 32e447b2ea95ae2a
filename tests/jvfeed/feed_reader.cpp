#include "feed_reader.h"

#include "acquire/jvlink_feed.h"
#include "support/files.h"
#include "support/text.h"

namespace rv::jvfeed::testing {

namespace fs = std::filesystem;

std::map<std::string, std::vector<std::string>> read_feed(const fs::path& dir) {
  std::map<std::string, std::vector<std::string>> out;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (!e.is_regular_file()) continue;
    out[fs::relative(e.path(), dir).generic_string()] = read_feed_records(e.path()).value();
  }
  return out;
}

std::map<std::string, std::string> feed_bytes(const fs::path& dir) {
  std::map<std::string, std::string> out;
  for (const auto& e : fs::recursive_directory_iterator(dir)) {
    if (e.is_regular_file())
      out[fs::relative(e.path(), dir).generic_string()] = read_file(e.path()).value();
  }
  return out;
}

std::vector<std::string> records_in(const std::map<std::string, std::vector<std::string>>& feed,
                                    std::string_view part) {
  std::vector<std::string> out;
  for (const auto& [name, recs] : feed) {
    if (name.find(part) != std::string::npos) out.insert(out.end(), recs.begin(), recs.end());
  }
  return out;
}

bool all_of(std::string_view field, char c) {
  const auto t = trim(field);
  return !t.empty() && t.find_first_not_of(c) == std::string_view::npos;
}

FeedOptions weekend(const fs::path& dir, std::uint64_t seed) {
  FeedOptions o;
  o.plan.seed = seed;
  o.plan.venues = 3;
  o.plan.races = 4;
  o.plan.min_runners = 5;
  o.plan.max_runners = 18;
  o.plan.announcements = 3;
  o.days = weekend_days_from(DateTime{2026, 12, 5}, 2);
  o.now = DateTime{2026, 12, 9, 12};
  o.out = dir;
  return o;
}

}  // namespace rv::jvfeed::testing
