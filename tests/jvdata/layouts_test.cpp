#include "jvdata/layouts.h"

#include <gtest/gtest.h>

#include <vector>

namespace rv::jv {
namespace {

// The readers of the program and the record builders of the tests rely on every table being
// a true map of its record: fields in record order, no byte claimed twice, nothing in the CR
// LF or beyond, every name found again.
TEST(Layouts, FieldsRunInRecordOrderWithinTheRecordWithoutOverlap) {
  for (const Kind kind : kAllKinds) {
    const Layout& l = layout(kind);
    SCOPED_TRACE(std::string(l.id));
    EXPECT_EQ(l.kind, kind);
    EXPECT_EQ(kind_of(l.id), kind);
    std::vector<bool> taken(l.length + 1, false);
    int last_pos = 0;
    for (const Field& f : l.fields) {
      EXPECT_GT(f.pos, last_pos) << f.name;
      last_pos = f.pos;
      EXPECT_EQ(find_field(kind, f.name), &f) << f.name;
      for (int i = 0; i < f.count; ++i) {
        const Field e = f.at(i);
        ASSERT_LE(e.pos + e.len - 1, static_cast<int>(l.line_length())) << f.name;
        for (int b = e.pos; b < e.pos + e.len; ++b) {
          EXPECT_FALSE(taken[static_cast<std::size_t>(b)]) << f.name << " overlaps at " << b;
          taken[static_cast<std::size_t>(b)] = true;
        }
      }
    }
    EXPECT_EQ(find_field(kind, "NoSuchField"), nullptr);
  }
  EXPECT_FALSE(kind_of("XX").has_value());
}

}  // namespace
}  // namespace rv::jv
