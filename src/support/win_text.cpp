#include "support/win_text.h"

#include <windows.h>

namespace rv {
namespace {

std::wstring to_wide(UINT cp, DWORD flags, std::string_view s, bool& ok) {
  ok = true;
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(cp, flags, s.data(), static_cast<int>(s.size()), nullptr, 0);
  if (n <= 0) {
    ok = false;
    return {};
  }
  std::wstring out(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(cp, flags, s.data(), static_cast<int>(s.size()), out.data(), n);
  return out;
}

}  // namespace

std::wstring widen(std::string_view utf8) {
  bool ok = true;
  return to_wide(CP_UTF8, 0, utf8, ok);
}

std::string narrow(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr,
                                    0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), out.data(), n,
                      nullptr, nullptr);
  return out;
}

std::string to_cp932(std::wstring_view wide, bool* lossy) {
  BOOL used_default = FALSE;
  std::string out;
  if (!wide.empty()) {
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(),
                                      static_cast<int>(wide.size()), nullptr, 0, "?", nullptr);
    out.resize(static_cast<std::size_t>(n > 0 ? n : 0));
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()),
                        out.data(), n, "?", &used_default);
  }
  if (lossy != nullptr) *lossy = used_default != FALSE;
  return out;
}

std::wstring from_cp932(std::string_view sjis) {
  bool ok = true;
  std::wstring out = to_wide(932, MB_ERR_INVALID_CHARS, sjis, ok);
  if (ok) return out;
  // Something in it forms no character: one character at a time, as the other platforms do.
  out.clear();
  for (std::size_t i = 0; i < sjis.size();) {
    const auto c = static_cast<unsigned char>(sjis[i]);
    const bool lead = (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
    const std::size_t len = lead && i + 1 < sjis.size() ? 2 : 1;
    const std::wstring one = to_wide(932, MB_ERR_INVALID_CHARS, sjis.substr(i, len), ok);
    if (ok && !one.empty()) {
      out += one;
      i += len;
    } else {
      out.push_back(L'\xFFFD');
      ++i;
    }
  }
  return out;
}

}  // namespace rv
