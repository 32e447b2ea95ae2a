#include "jvdata/combo_labels.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace rv {
namespace {

constexpr int kSide = 19;  // horse numbers 0..18, 0 standing for "no third number"

// One ordering: index by numbers, label by index. Both are built once by walking the
// combinations in their order, so the two directions cannot disagree.
class ComboTable {
 public:
  template <typename Member>
  ComboTable(int max, int arity, Member member) : labels_(1) {
    index_.fill(0);
    const int c_max = arity == 3 ? max : 0;
    const int c_min = arity == 3 ? 1 : 0;
    for (int a = 1; a <= max; ++a) {
      for (int b = 1; b <= max; ++b) {
        for (int c = c_min; c <= c_max; ++c) {
          if (!member(a, b, c)) continue;
          index_[slot(a, b, c)] = static_cast<std::uint16_t>(labels_.size());
          labels_.push_back(arity == 3 ? label_of({a, b, c}, 3) : label_of({a, b, c}, 2));
        }
      }
    }
  }

  // The whole text must be one label of the table.
  [[nodiscard]] int index(std::string_view label) const {
    const std::size_t arity = label.size() == 5 ? 2 : label.size() == 8 ? 3 : 0;
    if (arity == 0) return 0;
    int n[3] = {0, 0, 0};
    for (std::size_t k = 0; k < arity; ++k) {
      if (k > 0 && label[k * 3 - 1] != '-') return 0;
      n[k] = field(label.substr(k * 3, 2));
      if (n[k] == 0) return 0;
    }
    return index_[slot(n[0], n[1], n[2])];
  }

  [[nodiscard]] const std::string& label(int index) const {
    if (index < 1 || static_cast<std::size_t>(index) >= labels_.size()) return labels_[0];
    return labels_[static_cast<std::size_t>(index)];
  }

 private:
  // Each number as "%2d" (1..18), joined by "-".
  static std::string label_of(std::array<int, 3> n, int arity) {
    std::string out;
    for (int k = 0; k < arity; ++k) {
      const int v = n[static_cast<std::size_t>(k)];
      if (k > 0) out += '-';
      out += v >= 10 ? static_cast<char>('0' + v / 10) : ' ';
      out += static_cast<char>('0' + v % 10);
    }
    return out;
  }

  static std::size_t slot(int a, int b, int c) {
    const int s = (a * kSide + b) * kSide + c;
    return static_cast<std::size_t>(s);
  }

  // A number as "%2d" prints 1..18; anything else (including "01") reads 0.
  static int field(std::string_view two) {
    const char hi = two[0];
    const char lo = two[1];
    if (lo < '0' || lo > '9') return 0;
    int v = 0;
    if (hi == ' ') {
      v = lo - '0';
    } else if (hi >= '1' && hi <= '9') {
      v = (hi - '0') * 10 + (lo - '0');
    }
    return v < kSide ? v : 0;
  }

  std::array<std::uint16_t, kSide * kSide * kSide> index_{};
  std::vector<std::string> labels_;  // [0] is the empty label
};

const ComboTable& wakuren() {
  static const ComboTable t(8, 2, [](int a, int b, int) { return a <= b; });
  return t;
}
const ComboTable& umaren() {
  static const ComboTable t(18, 2, [](int a, int b, int) { return a < b; });
  return t;
}
const ComboTable& umatan() {
  static const ComboTable t(18, 2, [](int a, int b, int) { return a != b; });
  return t;
}
const ComboTable& sanrenpuku() {
  static const ComboTable t(18, 3, [](int a, int b, int c) { return a < b && b < c; });
  return t;
}
const ComboTable& sanrentan() {
  static const ComboTable t(18, 3, [](int a, int b, int c) { return a != b && b != c && a != c; });
  return t;
}

}  // namespace

int WakurenIndex(std::string_view label) {
  return wakuren().index(label);
}
int UmarenIndex(std::string_view label) {
  return umaren().index(label);
}
int UmatanIndex(std::string_view label) {
  return umatan().index(label);
}
int SanrenpukuIndex(std::string_view label) {
  return sanrenpuku().index(label);
}
int SanrentanIndex(std::string_view label) {
  return sanrentan().index(label.substr(0, 8));
}

const std::string& WakurenLabel(int index) {
  return wakuren().label(index);
}
const std::string& UmarenLabel(int index) {
  return umaren().label(index);
}
const std::string& UmatanLabel(int index) {
  return umatan().label(index);
}
const std::string& SanrenpukuLabel(int index) {
  return sanrenpuku().label(index);
}
const std::string& SanrentanLabel(int index) {
  return sanrentan().label(index);
}

}  // namespace rv
