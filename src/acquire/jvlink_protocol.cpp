#include "acquire/jvlink_protocol.h"

#include <algorithm>
#include <array>

namespace rv {
namespace {

void put_u32(std::string& out, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFFU));
}

std::uint32_t get_u32(std::string_view s) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8U) | static_cast<unsigned char>(s[i]);
  return v;
}

}  // namespace

FrameOut& FrameOut::i32(std::int32_t v) {
  put_u32(payload_, static_cast<std::uint32_t>(v));
  return *this;
}

FrameOut& FrameOut::bytes(std::string_view s) {
  put_u32(payload_, static_cast<std::uint32_t>(s.size()));
  payload_.append(s);
  return *this;
}

FrameOut& FrameOut::append(const FrameOut& fields) {
  payload_.append(fields.payload_);
  return *this;
}

std::string FrameOut::frame() const {
  std::string out;
  out.reserve(4 + payload_.size());
  put_u32(out, static_cast<std::uint32_t>(payload_.size()));
  out.append(payload_);
  return out;
}

bool FrameIn::i32(std::int32_t& v) {
  if (rest_.size() < 4) return false;
  v = static_cast<std::int32_t>(get_u32(rest_));
  rest_.remove_prefix(4);
  return true;
}

bool FrameIn::bytes(std::string& s) {
  if (rest_.size() < 4) return false;
  const std::uint32_t n = get_u32(rest_);
  if (rest_.size() - 4 < n) return false;
  s.assign(rest_.substr(4, n));
  rest_.remove_prefix(4 + n);
  return true;
}

bool read_frame(const ReadExact& read, std::string& payload) {
  std::array<char, 4> len{};
  if (!read(len.data(), len.size())) return false;
  const std::uint32_t n = get_u32(std::string_view(len.data(), len.size()));
  if (n > kMaxFrame) return false;
  payload.resize(n);
  return n == 0 || read(payload.data(), n);
}

namespace {

// One request answered into out; false when it is malformed.
bool answer(JVLink& jv, FrameIn& in, FrameOut& out) {
  std::int32_t op = 0;
  if (!in.i32(op)) return false;
  switch (static_cast<JVOp>(op)) {
    case JVOp::Init: {
      std::string sid;
      if (!in.bytes(sid)) return false;
      out.i32(jv.JVInit(sid));
      return true;
    }
    case JVOp::SetUIProperties:
      out.i32(jv.JVSetUIProperties());
      return true;
    case JVOp::Open: {
      std::string spec;
      std::string from;
      int option = 0;
      if (!in.bytes(spec) || !in.bytes(from) || !in.i32(option)) return false;
      int readcount = 0;
      int downloadcount = 0;
      std::string last;
      const int r = jv.JVOpen(spec, from, option, readcount, downloadcount, last);
      out.i32(r).i32(readcount).i32(downloadcount).bytes(last);
      return true;
    }
    case JVOp::RTOpen: {
      std::string spec;
      std::string key;
      if (!in.bytes(spec) || !in.bytes(key)) return false;
      out.i32(jv.JVRTOpen(spec, key));
      return true;
    }
    case JVOp::Status:
      out.i32(jv.JVStatus());
      return true;
    case JVOp::Read: {
      int size = 0;
      int most = 0;
      if (!in.i32(size) || !in.i32(most)) return false;
      FrameOut reads;
      int count = 0;
      std::size_t bytes = 0;
      std::string buff;
      std::string filename;
      for (int r = 1; r > 0 && count < std::max(most, 1) && bytes < kReadAheadBytes; ++count) {
        int got = size;
        r = jv.JVRead(buff, got, filename);
        reads.i32(r).bytes(buff).i32(got).bytes(filename);
        bytes += buff.size();
      }
      out.i32(count).append(reads);
      return true;
    }
    case JVOp::Close:
      out.i32(jv.JVClose());
      return true;
    case JVOp::Cancel:
      out.i32(jv.JVCancel());
      return true;
  }
  return false;
}

}  // namespace

bool serve_jvlink(JVLink& jv, const ReadExact& read, const WriteAll& write) {
  std::string payload;
  while (read_frame(read, payload)) {
    FrameIn in(payload);
    FrameOut out;
    if (!answer(jv, in, out)) return false;
    if (!write(out.frame())) return false;
  }
  return true;
}

}  // namespace rv
