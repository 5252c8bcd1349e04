#include "report/format/labels.h"

namespace dlt {

std::string extreme_name(Quantity q, bool largest) {
  std::string name(largest ? "max " : "min ");
  name.append(quantity_name(q));
  return name;
}

}  // namespace dlt
