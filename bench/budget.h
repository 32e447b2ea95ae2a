// Budgets reported as ratios. The machine is shared and its load swings, so a time alone
// says little: each budget's work is timed beside its floor (the least the same work could
// cost), iteration by iteration in the same run, and the ratio of the two is what to read.
// A budget without a floor is read against its limit instead.
//
// Register a benchmark that uses Budget with UseManualTime(); end the program with
// RV_BUDGET_MAIN(), which prints "budget NAME: Y ms, floor Z ms, ratio R" under each result.
#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace rv::bench {

template <typename Work>
double seconds_of(Work&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class Budget {
 public:
  // limit_ms: the budget's limit, 0 when it has only a floor.
  Budget(benchmark::State& state, double limit_ms) : state_(state), limit_ms_(limit_ms) {}
  Budget(const Budget&) = delete;
  Budget& operator=(const Budget&) = delete;

  // The iteration's work: its time is the benchmark's.
  template <typename Work>
  void work(Work&& w) {
    const double s = seconds_of(w);
    state_.SetIterationTime(s);
    work_s_ += s;
  }
  template <typename Floor>
  void floor(Floor&& f) {
    floor_s_ += seconds_of(f);
  }

  // After the loop: the counters ms, floor_ms, ratio (to the floor, or else to the limit),
  // limit_ms and, given how many units (days, races) the work covers, per_UNIT_ms.
  void report(double units = 0, const std::string& unit = {}) {
    const auto n = static_cast<double>(state_.iterations());
    if (n == 0) return;
    const double ms = work_s_ / n * 1e3;
    auto& c = state_.counters;
    c["ms"] = ms;
    if (floor_s_ > 0) {
      c["floor_ms"] = floor_s_ / n * 1e3;
      c["ratio"] = work_s_ / floor_s_;
    } else if (limit_ms_ > 0) {
      c["ratio"] = ms / limit_ms_;
    }
    if (limit_ms_ > 0) c["limit_ms"] = limit_ms_;
    if (units > 0) c["per_" + unit + "_ms"] = ms / units;
  }

 private:
  benchmark::State& state_;
  double limit_ms_;
  double work_s_ = 0;
  double floor_s_ = 0;
};

// The console report, each budget's line under its result.
class BudgetReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      // Of repeated runs, the median alone.
      if (r.run_type == Run::RT_Aggregate ? r.aggregate_name != "median" : r.repetitions > 1) {
        continue;
      }
      const auto& c = r.counters;
      const auto ms = c.find("ms");
      const auto ratio = c.find("ratio");
      if (r.error_occurred || ms == c.end() || ratio == c.end()) continue;
      std::string name = r.run_name.function_name;
      if (!r.run_name.args.empty()) name += "/" + r.run_name.args;
      if (r.run_type == Run::RT_Aggregate) name += " (median)";
      std::string line = "budget " + name + ": " + figure(ms->second) + " ms";
      if (const auto f = c.find("floor_ms"); f != c.end()) {
        line += ", floor " + figure(f->second) + " ms";
      }
      if (const auto l = c.find("limit_ms"); l != c.end()) {
        line += ", limit " + figure(l->second) + " ms";
      }
      for (const auto& [name, v] : c) {
        if (name.starts_with("per_") && name.ends_with("_ms")) {
          line += ", per " + name.substr(4, name.size() - 7) + " " + figure(v) + " ms";
        }
      }
      std::printf("%s, ratio %s\n", line.c_str(), figure(ratio->second).c_str());
    }
  }

 private:
  static std::string figure(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, v < 10 ? "%.3f" : "%.1f", v);
    return buf;
  }
};

inline int run_benchmarks(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  BudgetReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  return 0;
}

}  // namespace rv::bench

#define RV_BUDGET_MAIN()                          \
  int main(int argc, char** argv) {               \
    return rv::bench::run_benchmarks(argc, argv); \
  }
