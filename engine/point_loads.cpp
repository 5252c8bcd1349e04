#include "engine/point_loads.h"

#include "console/console.h"
#include "engine/stable_columns.h"

namespace dlt {

void point_load(RegisterFile& R, Quantity S1, double load) {
  int entry = state_code(S1);
  R[entry] = R[entry] - load;
}

void elastic_support(RegisterFile& R, double c) {
  R[13] = c;
  R[4] = (R[1] * c) + R[4];
  R[8] = (R[5] * c) + R[8];
  R[12] = (R[9] * c) + R[12];
}

CommandEffect cmd_point_load(RegisterFile& R, InputValues& in) {
  print("Einzellasten\n");
  print("Kraft :S1=4(Q),Last=F\n");
  print("Moment:S1=3(M),Last=M\n");
  print("Winkel:S1=2(p),Last=p\n");
  print("Absen.:S1=1(w),Last=w\n");
  print("S1= ");
  read_int(in.S1);
  print("\nLast= ");
  read_double(in.load);
  Element action{.kind = ElementKind::point_action, .load = in.load};
  // Any other code would reach outside the load column.
  if (!quantity_of_code(in.S1, action.S1)) {
    print_notice(kPointLoadCodeNotice);
    return {};
  }
  apply_element(R, action);
  return {Effect::element, action};
}

CommandEffect cmd_elastic_support(RegisterFile& R, InputValues& in) {
  if (!spring_room(R.stable)) {
    print_notice(kTooManySpringsNotice);
    return {};
  }
  print("Z-Bed.:elast.Auflager\n");
  print("mit c Federsteifigkeit\n");
  print("c= ");
  read_double(in.c);
  Element spring{.kind = ElementKind::spring, .c = in.c};
  apply_element(R, spring);
  return {Effect::element, spring};
}

}  // namespace dlt
