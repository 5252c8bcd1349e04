// The values typed in at the prompts. They live as long as the menu loop,
// start at zero, and a command overwrites only those it asks for, so a value
// whose read failed stays what it was.
#pragma once

namespace dlt {

struct InputValues {
  int key = 0;
  int S1 = 0;
  int S2 = 0;
  int load_answer = 0;
  int right_end_answer = 0;
  double length = 0;
  double EI = 0;
  double E = 0;
  double diameter = 0;
  double c = 0;
  double load = 0;
  double W1 = 0;
  double W2 = 0;
  // Load intensity at the left end of a segment; the results put Q here too.
  double q = 0;
  double qs = 0;
  double w = 0;
  double p = 0;
  double M = 0;
};

}  // namespace dlt
