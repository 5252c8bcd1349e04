// What every report is headed and labelled with, whatever it reports: the
// user's title with the units of force and length, and the names the
// reports give the extremes of a quantity.
#pragma once

#include <string>

#include "engine/quantity.h"
#include "report/format/units.h"

namespace dlt {

// What a report is headed and labelled with: a title of the user's (empty
// for none) and the units of force and length.
struct ReportLabels {
  std::string title;
  Units units;
};

// "max w" or "min w": an extreme as the reports name it.
std::string extreme_name(Quantity q, bool largest);

}  // namespace dlt
