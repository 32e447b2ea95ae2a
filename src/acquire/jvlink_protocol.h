// The framed protocol between the program and ravelin-jvlink, the process that hosts the
// control. Over the helper's standard input and output: one request frame, one reply frame.
// A frame is a 4-byte little-endian payload length and the payload; the payload is a list of
// fields, each a 32-bit little-endian integer or a byte string (its length as such an integer,
// then the bytes as they are: records stay Shift-JIS, byte for byte).
//
// Request: operation, then the operation's arguments in JVLink order.
// Reply: the result code, then the operation's out values in JVLink order.
//
// Read is the exception, as crossing the pipe costs more than a read: its request carries
// the buffer size and the most records wanted; its reply, the number of reads made, then for
// each its result code, record, size and file name. The helper reads on while the reads give
// records, up to that number or kReadAheadBytes, so that every result that is not a record
// (the end, a file boundary, "still downloading", an error) ends a reply and reaches the
// program where the control gave it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "acquire/jvlink.h"

namespace rv {

enum class JVOp : std::int32_t {
  Init = 1,
  SetUIProperties,
  Open,
  RTOpen,
  Status,
  Read,
  Close,
  Cancel,
};

// Beyond this a length is taken for a damaged stream rather than a record.
inline constexpr std::uint32_t kMaxFrame = 16U << 20U;
// A Read reply stops taking records past this many bytes (one record is far smaller).
inline constexpr std::size_t kReadAheadBytes = 1U << 20U;

class FrameOut {
 public:
  FrameOut& i32(std::int32_t v);
  FrameOut& bytes(std::string_view s);
  // The fields of another frame, after these.
  FrameOut& append(const FrameOut& fields);
  // The frame: length, then payload.
  [[nodiscard]] std::string frame() const;

 private:
  std::string payload_;
};

class FrameIn {
 public:
  explicit FrameIn(std::string_view payload) : rest_(payload) {}
  // False when the payload ends early; the value is then left alone.
  bool i32(std::int32_t& v);
  bool bytes(std::string& s);

 private:
  std::string_view rest_;
};

// Reads exactly n bytes into buf; false at the end of the stream or on an error.
using ReadExact = std::function<bool(char* buf, std::size_t n)>;
using WriteAll = std::function<bool(std::string_view bytes)>;

// One frame's payload; false at the end, on an error or for a length over kMaxFrame.
bool read_frame(const ReadExact& read, std::string& payload);

// The helper's side: answers requests with jv until the input ends. False when a request
// could not be understood (the stream is then out of step and the helper stops).
bool serve_jvlink(JVLink& jv, const ReadExact& read, const WriteAll& write);

}  // namespace rv
