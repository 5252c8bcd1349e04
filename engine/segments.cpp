#include "engine/segments.h"

#include <cmath>

#include "console/console.h"
#include "engine/stable_columns.h"

namespace dlt {

// Transfers the column in R1 to R4, then moves every column on by one: the
// load column becomes X1, X1 becomes X2 and X2 comes round to the load
// registers. Three calls transfer each column once and put it back.
static void transfer_load_column_and_rotate(RegisterFile& R) {
  transfer_column(R[1], R[2], R[3], R[4], R[13], R[14]);
  for (int s = 1; s <= 4; ++s) {
    double x2 = R[s + kX2Offset];
    R[s + kX2Offset] = R[s + kX1Offset];
    R[s + kX1Offset] = R[s];
    R[s] = x2;
  }
}

void field_transfer(RegisterFile& R) {
  for (int column = 0; column < 3; ++column) transfer_load_column_and_rotate(R);
}

void distributed_load(RegisterFile& R, double q, double qs) {
  add_distributed_load(R[1], R[2], R[3], R[4], R[13], R[14], q, qs);
}

double shaft_minus_EI(double E, double diameter) {
  double d4 = std::pow(diameter, 4.0);
  return ((-E * kPi) * d4) / kShaftDivisor;
}

Wide wide_minus_EI(const Element& segment) {
  if (segment.kind != ElementKind::shaft_segment) return -static_cast<Wide>(segment.EI);
  Wide d = segment.diameter;
  Wide d4 = (d * d) * (d * d);
  return ((-static_cast<Wide>(segment.E) * kPi) * d4) / kShaftDivisor;
}

void segment_transfer(RegisterFile& R, double length, double minus_EI) {
  R[13] = length;
  R[14] = minus_EI;
  R[14] = R[13] / R[14];
  field_transfer(R);
}

void apply_segment(RegisterFile& R, const Element& segment) {
  segment_transfer(R, segment.length, segment_minus_EI(segment));
  double k = R[14];
  if (segment.loaded) distributed_load(R, segment.q, segment.qs);
  stable_segment(R.stable, segment, k);
}

// The load question both segment keys ask once the segment is read. Only an
// answer of 1 loads the segment; the values read stay in `in` all the same.
static void read_load(InputValues& in, Element& segment) {
  print("\nStreckenlast?1=ja 0=no: ");
  read_int(in.load_answer);
  if (in.load_answer != 1) return;
  print("\nq=q links= ");
  read_double(in.q);
  print("\nqs=Steigung von q= ");
  read_double(in.qs);
  segment.loaded = true;
  segment.q = in.q;
  segment.qs = in.qs;
}

CommandEffect cmd_beam_segment(RegisterFile& R, InputValues& in) {
  print("Traegerabschnitt\n");
  print("Laenge= ");
  read_double(in.length);
  print("\nBiegesteifigk.EI= ");
  read_double(in.EI);
  Element segment{.kind = ElementKind::beam_segment, .length = in.length, .EI = in.EI};
  read_load(in, segment);
  apply_element(R, segment);
  return {Effect::element, segment};
}

CommandEffect cmd_shaft_segment(RegisterFile& R, InputValues& in) {
  print("Wellenabschnitt\n");
  print("Laenge = ");
  read_double(in.length);
  print("\nE-Modul= ");
  read_double(in.E);
  print("\nDurchm.= ");
  read_double(in.diameter);
  Element segment{
      .kind = ElementKind::shaft_segment, .length = in.length, .E = in.E, .diameter = in.diameter};
  read_load(in, segment);
  apply_element(R, segment);
  return {Effect::element, segment};
}

}  // namespace dlt
