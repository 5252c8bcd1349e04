// The text report of a complete beam: the beam as entered, its support
// reactions with the balance of forces, the extremes and the table of w, p,
// M and Q, in German and plain ASCII, with the numbers as key g prints them.
#pragma once

#include <string>

#include "report/beam_record.h"
#include "report/replay.h"
#include "report/statics.h"

namespace dlt {

// REQUIRES: course is the replay of record with `pieces` pieces a segment,
// and statics the statics of both.
std::string text_report(const BeamRecord& record, const BeamCourse& course, const Statics& statics,
                        int pieces);

// What an element is, in the report's words: "Gelenk (S1=3, W1= 0.000000)".
std::string element_text(const Element& element, bool is_right_end);

// "Streckenlast (q= 10.000000, qs= 0.000000)", the load on a segment.
std::string load_text(const Element& segment);

// Whose reaction it is and what kind: "linkes Traegerende, Kraft".
std::string reaction_text(const BeamRecord& record, const Reaction& reaction);

}  // namespace dlt
