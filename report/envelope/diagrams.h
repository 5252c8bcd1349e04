// The envelope diagrams of M, Q and w, one SVG drawing each on the sketch's
// horizontal scale: the band between the smallest and the largest value at
// every point filled, both its edges drawn, and in it the permanent load's
// own curve (the first load case without its factor) dashed. Labelled are
// the largest and the smallest value with their x and load cases, and in
// the M diagram each span's largest and smallest M and each support's, as
// many as fit; the others are handed back to be listed. The curves of all
// three are traced in one walk of the load cases and thinned as a beam's
// diagrams are, so that a long beam of many load cases draws small.
#pragma once

#include <string>
#include <vector>

#include "engine/quantity.h"
#include "report/envelope/envelope_run.h"
#include "report/envelope/summary.h"
#include "report/format/diagram.h"
#include "report/format/svg.h"
#include "report/format/units.h"

namespace dlt {

// The quantities of the envelope diagrams, in their order on the page.
inline constexpr Quantity kEnvelopeDiagrams[] = {Quantity::M, Quantity::Q, Quantity::w};

// A diagram as drawn, and the labels it found no room for, in the order
// they were tried.
struct EnvelopeDiagram {
  Quantity q = Quantity::M;
  std::string svg;
  std::vector<Wanted> left_out;
};

// The diagrams in that order. REQUIRES: summary is that of run.
std::vector<EnvelopeDiagram> envelope_diagrams(const EnvelopeRun& run, const EnvelopeSummary& summary,
                                               const XScale& scale, const UnitNames& units = {});

}  // namespace dlt
