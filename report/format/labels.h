// What a report is headed and labelled with, in every layer that writes:
// the user's title and units of --titel and --einheiten.
#pragma once

#include <string>

#include "report/format/units.h"

namespace dlt {

// A title of the user's (empty for none) and the units of force and length.
struct ReportLabels {
  std::string title;
  Units units;
};

}  // namespace dlt
