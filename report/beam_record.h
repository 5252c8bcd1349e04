// The record of a pass: the elements of the beam as they were entered, from
// the pass's left end on, with the values each command used. The menu loop
// hands it every command that took effect; the reports replay it.
#pragma once

#include <vector>

#include "console/input_values.h"
#include "engine/effect.h"

namespace dlt {

enum class ElementKind { left_end, beam_segment, shaft_segment, point_load, spring, condition };

struct Element {
  ElementKind kind = ElementKind::left_end;
  // The left end's unknowns S1 and S2, the quantity a point load changes
  // (S1), a condition's quantity S1 and, at a right end, S2.
  int S1 = 0;
  int S2 = 0;
  // Segments: the length, and EI or E and the diameter of a shaft.
  double length = 0;
  double EI = 0;
  double E = 0;
  double diameter = 0;
  // A distributed load on a segment: q at its left end and its slope qs.
  bool loaded = false;
  double q = 0;
  double qs = 0;
  // A point load's size, a spring's stiffness c, a condition's W1.
  double value = 0;
  // A condition that was the right end, with its W2.
  bool right_end = false;
  double W2 = 0;
};

struct BeamRecord {
  // False until a left end has started a pass, and again after a refused
  // left end: the columns are cleared then and no beam is being entered.
  bool open = false;
  std::vector<Element> elements;
};

// Adds the command just run on key to the record, with the values in `in`
// it used. A left end that took effect starts the record anew.
void record_command(BeamRecord& record, int key, const InputValues& in, Effect effect);

// -EI of a segment element, as its command gave it to the engine.
double segment_minus_EI(const Element& segment);

bool is_segment(const Element& element);

}  // namespace dlt
