// The values a diagram found no room to label, below it: a line saying that
// not all are labelled, and a table of what each is, its x, its value and
// the load cases that give it, of the first kMostLeftOut of them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/quantity.h"
#include "report/format/diagram.h"
#include "report/format/units.h"

namespace dlt {

// More would make a table as long as the report's own tables of the spans
// and supports, which list every value.
constexpr std::size_t kMostLeftOut = 50;

// The markup of both, empty where left_out is.
std::string left_out_html(const std::vector<Wanted>& left_out, Quantity q, const UnitNames& units);

}  // namespace dlt
