// The text of one grid cell. A bet table holds tens of thousands of cells and rewrites them at
// every race selection, and nearly all of them are short (numbers, combinations, marks), so
// up to 15 bytes live inside the cell: comparing and copying one is a few word moves, and a
// grid of them is one allocation. A longer text (a horse name, a heading) goes to the heap.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>

namespace rv {

class CellText {
 public:
  CellText() = default;
  CellText(const CellText& o) { assign(o.view()); }
  CellText(CellText&& o) noexcept { take(o); }
  CellText& operator=(const CellText& o) {
    if (this != &o) assign(o.view());
    return *this;
  }
  CellText& operator=(CellText&& o) noexcept {
    if (this != &o) {
      release();
      take(o);
    }
    return *this;
  }
  ~CellText() { release(); }

  [[nodiscard]] std::string_view view() const {
    return len_ == kLong ? std::string_view(*heap()) : std::string_view(bytes_, len_);
  }
  [[nodiscard]] bool equals(std::string_view t) const;
  void assign(std::string_view t);
  void clear() {
    release();
    len_ = 0;
  }
  friend void swap(CellText& a, CellText& b) noexcept {
    char bytes[kInline];
    std::memcpy(bytes, a.bytes_, kInline);
    std::memcpy(a.bytes_, b.bytes_, kInline);
    std::memcpy(b.bytes_, bytes, kInline);
    std::swap(a.len_, b.len_);
  }

 private:
  static constexpr std::size_t kInline = 15;
  static constexpr std::uint8_t kLong = 0xFF;

  // In the long form the first bytes hold the owned string's address.
  [[nodiscard]] std::string* heap() const {
    std::string* p = nullptr;
    std::memcpy(&p, bytes_, sizeof(std::string*));
    return p;
  }
  void release() {
    if (len_ == kLong) delete heap();
  }
  void take(CellText& o) {
    std::memcpy(bytes_, o.bytes_, kInline);
    len_ = o.len_;
    o.len_ = 0;
  }

  char bytes_[kInline]{};
  std::uint8_t len_ = 0;
};

namespace cell_text {
// Whether n bytes (sizeof(W) <= n <= 2 sizeof(W)) are equal: the first and the last
// sizeof(W) of them, which overlap, compared as two words.
template <typename W>
bool same_ends(const char* a, const char* b, std::size_t n) {
  W x[2];
  W y[2];
  std::memcpy(&x[0], a, sizeof(W));
  std::memcpy(&x[1], a + n - sizeof(W), sizeof(W));
  std::memcpy(&y[0], b, sizeof(W));
  std::memcpy(&y[1], b + n - sizeof(W), sizeof(W));
  return x[0] == y[0] && x[1] == y[1];
}
}  // namespace cell_text

inline bool CellText::equals(std::string_view t) const {
  const std::size_t n = t.size();
  if (len_ == kLong) return *heap() == t;
  if (n != len_) return false;
  const char* a = bytes_;
  const char* b = t.data();
  if (n >= 8) return cell_text::same_ends<std::uint64_t>(a, b, n);
  if (n >= 4) return cell_text::same_ends<std::uint32_t>(a, b, n);
  for (std::size_t i = 0; i < n; ++i) {
    if (a[i] != b[i]) return false;
  }
  return true;
}

inline void CellText::assign(std::string_view t) {
  if (t.size() <= kInline) {
    release();
    if (!t.empty()) std::memcpy(bytes_, t.data(), t.size());
    len_ = static_cast<std::uint8_t>(t.size());
    return;
  }
  if (len_ == kLong) {
    heap()->assign(t);
    return;
  }
  auto* p = new std::string(t);
  std::memcpy(bytes_, &p, sizeof(std::string*));
  len_ = kLong;
}

}  // namespace rv
