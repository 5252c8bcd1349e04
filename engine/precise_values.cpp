#include "engine/precise_values.h"

#include "engine/carried_state.h"

namespace dlt {

PointValues precise_values(RegisterFile& R) {
  PointValues at = point_values(R);
  const StableSpot& here = R.stable.here;
  if (!here.carries_state) return at;
  at.w = precise_value(at.w, here, 0);
  at.p = precise_value(at.p, here, 1);
  at.M = precise_value(at.M, here, 2);
  at.Q = precise_value(at.Q, here, 3);
  return at;
}

}  // namespace dlt
