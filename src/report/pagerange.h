#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace tervano::report {

// Parses a page range such as "1,3-5" against `pageCount`: the pages in ascending order,
// each once, those beyond the last page dropped. Nothing when the text is not a range or
// names no existing page.
std::optional<std::vector<int>> parsePageRange(const QString& text, int pageCount);

} // namespace tervano::report
