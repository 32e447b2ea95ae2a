// The record layouts are the program's own (jvdata/layouts.h); these look them up by kind.
#include "jvdata/layouts.h"

#include "jvfeed/records.h"

namespace rv::jvfeed {

std::size_t record_length(Kind kind) {
  return jv::layout(kind).length;
}

std::string_view kind_id(Kind kind) {
  return jv::layout(kind).id;
}

std::span<const Field> fields(Kind kind) {
  return jv::layout(kind).fields;
}

}  // namespace rv::jvfeed
