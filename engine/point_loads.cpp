#include "engine/point_loads.h"

#include "console/console.h"

namespace dlt {

void point_load(RegisterFile& R, int S1, double load) { R[S1] = R[S1] - load; }

void elastic_support(RegisterFile& R, double c) {
  R[13] = c;
  R[4] = (R[1] * c) + R[4];
  R[8] = (R[5] * c) + R[8];
  R[12] = (R[9] * c) + R[12];
}

Effect cmd_point_load(RegisterFile& R, InputValues& in) {
  print("Einzellasten\n");
  print("Kraft :S1=4(Q),Last=F\n");
  print("Moment:S1=3(M),Last=M\n");
  print("Winkel:S1=2(p),Last=p\n");
  print("Absen.:S1=1(w),Last=w\n");
  print("S1= ");
  read_int(in.S1);
  print("\nLast= ");
  read_double(in.load);
  // Any other code would reach outside the load column.
  if (!is_state_code(in.S1)) {
    print(kPointLoadCodeNotice);
    return Effect::none;
  }
  point_load(R, in.S1, in.load);
  return Effect::element;
}

Effect cmd_elastic_support(RegisterFile& R, InputValues& in) {
  print("Z-Bed.:elast.Auflager\n");
  print("mit c Federsteifigkeit\n");
  print("c= ");
  read_double(in.c);
  elastic_support(R, in.c);
  return Effect::element;
}

}  // namespace dlt
