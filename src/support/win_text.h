// Windows only: UTF-8 and Shift-JIS to and from the UTF-16 of the wide Windows calls, so that
// nothing passes through the ANSI code page.
#pragma once

#include <string>
#include <string_view>

namespace rv {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

// Code page 932 (Shift-JIS). to_cp932 sets lossy when a character has no Shift-JIS form (it
// became '?'); best-fit look-alikes are never taken.
std::string to_cp932(std::wstring_view wide, bool* lossy = nullptr);
// Bytes that form no character become U+FFFD, one lead byte at a time.
std::wstring from_cp932(std::string_view sjis);

}  // namespace rv
