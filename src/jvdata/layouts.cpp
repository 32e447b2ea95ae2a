#include "jvdata/layouts.h"

#include "jvdata/combo_labels.h"

namespace rv::jv {

// The odds arrays hold one entry a combination the labels count.
static_assert(o1::WakurenOdds.count == kWakurenCount && o2::Odds.count == kUmarenCount &&
              o3::OddsLow.count == kUmarenCount && o4::Odds.count == kUmatanCount &&
              o5::Odds.count == kSanrenpukuCount && o6::Odds.count == kSanrentanCount);

std::optional<Kind> kind_of(std::string_view id) {
  for (const Layout* l : kLayouts) {
    if (l->id == id) return l->kind;
  }
  return std::nullopt;
}

const Field* find_field(Kind kind, std::string_view name) {
  for (const Field& f : layout(kind).fields) {
    if (f.name == name) return &f;
  }
  return nullptr;
}

}  // namespace rv::jv
