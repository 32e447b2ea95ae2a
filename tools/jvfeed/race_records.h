// The records of one race (and of one venue's day) as each delivery carries them: early and
// final cards, intermediate and final odds, results, payouts, predictions, and the change
// announcements of the day.
#pragma once

#include <string>
#include <vector>

#include "jvfeed/meeting.h"

namespace rv::jvfeed {

enum class Stage {
  EarlyCard,  // 出走馬名表: no horse numbers yet
  Card,       // 出馬表
  Results,    // with finish, times, odds and prizes
};

Record race_ra(const Race& race, Stage stage, char data_kind, std::string_view make_date);
Record race_se(const Race& race, const Runner& runner, Stage stage, char data_kind,
               std::string_view make_date);
// Payouts that follow the finish and the final odds.
Record race_hr(const Race& race, const Book& final_book, char data_kind,
               std::string_view make_date);
Record race_dm(const Race& race, char data_kind, std::string_view make_date,
               std::string_view make_hm);

// The market when betting closes: the model's own chances.
Book final_book(const Race& race);

struct Announcement {
  DateTime date;
  int minute = 0;  // of the day
  Book book;
  std::int64_t pool = 0;  // win pool so far, hundreds of yen
  [[nodiscard]] std::string mmddhhmm() const;
};
// Intermediate odds through the sales: from the morning (the evening before for a graded
// main race) up to a few minutes before the start, the market settling on the model.
std::vector<Announcement> announcements(const Race& race, const DayPlan& plan,
                                        const DateTime& date);

// O1..O6 of one market state. With blank_place_horse, that horse's place odds are blank.
std::vector<Record> odds_records(const Race& race, const Book& book, char data_kind,
                                 std::string_view announced, std::int64_t pool,
                                 int blank_place_horse = 0);

// WE announcements of a venue's day and TC records of its changed start times, in time order.
std::vector<Record> change_records(const VenueDay& venue, const DateTime& date);

std::string yyyymmdd(const DateTime& d);

}  // namespace rv::jvfeed
