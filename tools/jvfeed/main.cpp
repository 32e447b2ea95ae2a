// jvfeed: writes sample JV-Data feed folders for the JV-Link stand-in.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "jvdata/code_tables.h"
#include "jvfeed/feed.h"
#include "support/environment.h"
#include "support/files.h"
#include "support/text.h"

namespace {

using rv::DateTime;
using namespace rv::jvfeed;

const char* const kUsage =
    "usage: jvfeed --out DIR [options]\n"
    "       jvfeed --demo DIR [--seed N]\n"
    "  --seed N             random seed (1)\n"
    "  --start yyyymmdd     race days start on the first Saturday or Sunday from here\n"
    "                       (20261205)\n"
    "  --days N             number of race days (2; with --today and no --start, the race\n"
    "                       days before today, 0)\n"
    "  --venues N           venues per day, 1-3 (3)\n"
    "  --races N            races per venue, 1-12 (12)\n"
    "  --runners N|MIN-MAX  runners per race, 5-18 (8-18)\n"
    "  --edge RATE          rate of edge cases, 0-1 (0)\n"
    "  --edges LIST         edge cases to draw, comma-separated (all):\n"
    "                       %s\n"
    "  --announcements N    odds announcements per race on a real-time day, 1-8 (5)\n"
    "  --today              add a meeting today, with a weather change and a late start;\n"
    "                       its real-time files hold the whole day (the stand-in releases\n"
    "                       them by its clock), stored deliveries are cut at the current time\n"
    "  --now yyyymmddhhmm   cut stored deliveries at this moment (default: noon three days\n"
    "                       after the last race day)\n"
    "  --realtime-all       real-time files for every past race day, not only the newest\n"
    "  --viewer DIR         also write the odds viewer's time-series folder\n"
    "  --demo DIR           a demo: DIR/jvfeed with four recent race days and a meeting today\n";

[[noreturn]] void usage(const std::string& problem) {
  std::string names;
  for (const auto& n : edge_names()) names += (names.empty() ? "" : ",") + n;
  if (!problem.empty()) std::fprintf(stderr, "jvfeed: %s\n", problem.c_str());
  std::fprintf(stderr, kUsage, names.c_str());
  std::exit(2);
}

int number(const std::string& opt, const std::string& v, int lo, int hi) {
  if (!rv::all_digits(v) || v.size() > 9) usage(opt + " needs a number");
  const int n = std::stoi(v);
  if (n < lo || n > hi) usage(opt + " must be " + std::to_string(lo) + "-" + std::to_string(hi));
  return n;
}

DateTime date_arg(const std::string& opt, const std::string& v, bool with_time) {
  const std::size_t len = with_time ? 12 : 8;
  if (v.size() != len || !rv::all_digits(v))
    usage(opt + (with_time ? " needs yyyymmddhhmm" : " needs yyyymmdd"));
  const DateTime d = rv::parse_dt(v + (with_time ? "00" : "000000"));
  if (!d.valid()) usage(opt + ": no such date " + v);
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args = rv::program_args(argc, argv);
  FeedOptions o;
  std::string demo;
  std::optional<DateTime> start;
  std::optional<DateTime> now;
  int days = -1;
  bool today = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const auto value = [&]() -> std::string {
      if (i + 1 >= args.size()) usage(a + " needs a value");
      return args[++i];
    };
    if (a == "--out") {
      o.out = rv::utf8_path(value());
    } else if (a == "--demo") {
      demo = value();
    } else if (a == "--seed") {
      const std::string v = value();
      if (!rv::all_digits(v) || v.size() > 19) usage("--seed needs a number");
      o.plan.seed = std::stoull(v);
    } else if (a == "--start") {
      start = date_arg(a, value(), false);
    } else if (a == "--days") {
      days = number(a, value(), 0, 400);
    } else if (a == "--venues") {
      o.plan.venues = number(a, value(), 1, 3);
    } else if (a == "--races") {
      o.plan.races = number(a, value(), 1, 12);
    } else if (a == "--runners") {
      const std::string v = value();
      const auto dash = v.find('-');
      o.plan.min_runners = number(a, v.substr(0, dash), 5, 18);
      o.plan.max_runners =
          dash == std::string::npos ? o.plan.min_runners : number(a, v.substr(dash + 1), 5, 18);
      if (o.plan.max_runners < o.plan.min_runners) usage("--runners: MIN above MAX");
    } else if (a == "--edge") {
      const std::string v = value();
      o.plan.edge_rate = rv::dnum(v, -1);
      if (o.plan.edge_rate < 0 || o.plan.edge_rate > 1) usage("--edge needs a rate from 0 to 1");
    } else if (a == "--edges") {
      o.plan.edges = 0;
      std::string v = value() + ",";
      for (std::size_t p = 0, q; (q = v.find(',', p)) != std::string::npos; p = q + 1) {
        const unsigned e = edge_by_name(v.substr(p, q - p));
        if (e == 0) usage("unknown edge case '" + v.substr(p, q - p) + "'");
        o.plan.edges |= e;
      }
    } else if (a == "--announcements") {
      o.plan.announcements = number(a, value(), 1, 8);
    } else if (a == "--today") {
      today = true;
    } else if (a == "--now") {
      now = date_arg(a, value(), true);
    } else if (a == "--realtime-all") {
      o.realtime_all = true;
    } else if (a == "--viewer") {
      o.viewer = value();
    } else if (a == "--help" || a == "-h") {
      usage("");
    } else {
      usage("unknown option " + a);
    }
  }

  const DateTime clock = rv::app_clock().now();
  if (!demo.empty()) {
    const std::uint64_t seed = o.plan.seed;
    o = demo_options(demo, now.value_or(clock), seed);
  } else {
    if (o.out.empty()) usage("--out or --demo is needed");
    if (today) {
      const DateTime t = now.value_or(clock);
      o.days = start ? weekend_days_from(*start, days < 0 ? 2 : days)
                     : weekend_days_before(t, days < 0 ? 0 : days);
      o.days.push_back(DateTime{t.year, t.month, t.day});
      o.now = t;
    } else {
      o.days = weekend_days_from(start.value_or(DateTime{2026, 12, 5}), days < 0 ? 2 : days);
      if (o.days.empty()) usage("no race days to write");
      o.now = now.value_or(
          DateTime{o.days.back().year, o.days.back().month, o.days.back().day, 12}.add_days(3));
    }
  }

  try {
    const FeedSummary s = write_feed(o);
    for (const auto& d : s.days) {
      std::string venues;
      for (const auto& v : venues_on(d, o.plan.venues)) {
        venues += " " + rv::to_utf8(rv::BashoShortName(rv::fmt("%02d", v.venue)));
      }
      std::printf("%04d-%02d-%02d%s\n", d.year, d.month, d.day, venues.c_str());
    }
    std::printf("%zu files, %.1f MB in %s\n", s.files.size(), static_cast<double>(s.bytes) / 1e6,
                o.out.string().c_str());
  } catch (const std::exception& e) {
    std::fprintf(stderr, "jvfeed: %s\n", rv::to_utf8(e.what()).c_str());
    return 1;
  }
  return 0;
}
