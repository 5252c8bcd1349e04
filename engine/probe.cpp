#include "engine/probe.h"

#include <algorithm>
#include <iterator>

namespace dlt {

PartStart part_start(const RegisterFile& R) {
  PartStart start;
  std::copy(std::begin(R.values), std::end(R.values), start.values.begin());
  start.spot = R.stable.here;
  return start;
}

PointValues probe_part(RegisterFile& R, const PartStart& start, const Element& part) {
  // A segment moves no more than the register values and the stable spot,
  // so these are all that must go back.
  PartStart now = part_start(R);
  std::copy(start.values.begin(), start.values.end(), std::begin(R.values));
  R.stable.here = start.spot;
  apply_element(R, part);
  PointValues values = shown_values(R);
  std::copy(now.values.begin(), now.values.end(), std::begin(R.values));
  R.stable.here = now.spot;
  return values;
}

RegisterFile walk_copy(const RegisterFile& solved) {
  RegisterFile copy = solved;
  copy.stable.keeps_anchors = false;
  return copy;
}

}  // namespace dlt
