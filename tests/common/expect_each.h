// Table-driven checks of a function of one text: each input with the value it must give.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string_view>
#include <type_traits>
#include <utility>

namespace rv::testing {

template <typename Fn>
void expect_each(
    Fn fn,
    std::initializer_list<std::pair<std::string_view, std::invoke_result_t<Fn, std::string_view>>>
        cases) {
  for (const auto& [in, out] : cases) EXPECT_EQ(fn(in), out) << "'" << in << "'";
}

}  // namespace rv::testing
