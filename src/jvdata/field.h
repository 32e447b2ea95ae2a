// Fields of JV-Data records, named once for the whole program. A Field says where a value lies
// in a record: its 1-based byte position (as the format definition counts, the closing CR LF
// being the record's last two bytes), its width, how the format initialises it, and for an
// array the number of entries and the distance from one entry to the next. The layouts of
// the record kinds (jvdata/layouts.h) are tables of these, each kind's written once as a .def
// file that jvdata/layout_def.h expands.
//
//   field(line, jv::se::Umaban)        // the two bytes of a runner record's horse number
//   jv::o1::TansyoOdds.at(i)          // win odds entry i (0-based) as a field of its own
//   jv::ra::HassoTime.part(0, 2)      // the hour of the start time
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "support/text.h"

namespace rv::jv {

// How a field starts out and how numbers are written into it.
enum class FieldType : unsigned char {
  Num,    // digits, starts "0...0"
  Entry,  // digits of an array entry that starts blank (odds and payout entries)
  Text,   // half-width text, starts with spaces
  Wide,   // full-width text, starts with full-width spaces
};

struct Field {
  std::string_view name;  // the format's name of the field
  int pos = 0;            // 1-based byte position of entry 0
  int len = 0;
  FieldType type = FieldType::Num;
  int count = 1;  // entries of an array
  int stride = 0;

  // Entry i (0-based) of an array.
  [[nodiscard]] constexpr Field at(int i) const { return {name, pos + stride * i, len, type}; }
  // Bytes [offset, offset + n) of the field, for a value read in parts (hour and minute).
  [[nodiscard]] constexpr Field part(int offset, int n) const {
    return {name, pos + offset, n, type};
  }
  // 0-based offset of the first byte, for reading a record held as bytes.
  [[nodiscard]] constexpr std::size_t offset() const { return static_cast<std::size_t>(pos - 1); }
  [[nodiscard]] constexpr std::size_t size() const { return static_cast<std::size_t>(len); }
  // 1-based position just past the last entry.
  [[nodiscard]] constexpr int end() const { return pos + stride * (count - 1) + len; }
};

// The bytes from the first byte of `first` to the last of `last`, as one field (the race
// key runs from Year to RaceNum).
constexpr Field through(const Field& first, const Field& last) {
  return {first.name, first.pos, last.end() - first.pos, first.type};
}

// The fields of a record that starts with `head`: the head's fields, then `own`, in record
// order. The heads every kind shares are kept as one table, and a layout lists only its own.
template <std::size_t H, std::size_t N>
constexpr std::array<Field, H + N> join(const std::array<Field, H>& head, const Field (&own)[N]) {
  std::array<Field, H + N> all{};
  for (std::size_t i = 0; i < H; ++i) all[i] = head[i];
  for (std::size_t i = 0; i < N; ++i) all[H + i] = own[i];
  return all;
}

// The bytes of a field in a record; cut short or empty where the record is (as fld()).
inline std::string_view field(std::string_view rec, const Field& f) {
  return fld(rec, static_cast<std::size_t>(f.pos), f.size());
}
// Overwrites a field with text padded with spaces or cut to its width (as put_fld()).
inline void put(std::string& rec, const Field& f, std::string_view text) {
  put_fld(rec, static_cast<std::size_t>(f.pos), f.size(), text);
}

// The record kinds the program knows.
enum class Kind { RA, SE, HR, O1, O2, O3, O4, O5, O6, DM, TC, WE, UM };

inline constexpr std::size_t kCrLf = 2;

// A kind's record: its id (bytes 1-2), its length with CR LF, and every field in record
// order.
struct Layout {
  Kind kind;
  std::string_view id;
  std::size_t length;
  std::span<const Field> fields;

  // The length of a record kept as a line, without its CR LF.
  [[nodiscard]] constexpr std::size_t line_length() const { return length - kCrLf; }
};

// Short names for the tables of the layout headers.
namespace types {
inline constexpr FieldType N = FieldType::Num;
inline constexpr FieldType E = FieldType::Entry;
inline constexpr FieldType T = FieldType::Text;
inline constexpr FieldType W = FieldType::Wide;
}  // namespace types

}  // namespace rv::jv
