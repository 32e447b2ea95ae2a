// Lines of ruison.csv as an editor could leave them: a line that reads gives a row whose
// written line reads back as the same row.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "betting/ruison_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view line(reinterpret_cast<const char*>(data), size);
  const std::optional<rv::RuisonRow> row = rv::ParseRuisonLine(line);
  if (!row) return 0;
  const std::optional<rv::RuisonRow> again = rv::ParseRuisonLine(rv::RuisonLine(*row));
  if (!again || *again != *row) std::abort();
  return 0;
}
