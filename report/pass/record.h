// The record of a pass: the elements of the beam as they took effect, from
// the pass's left end on. The menu loop hands it what every command did; the
// reports replay it.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/effect.h"
#include "engine/element.h"

namespace dlt {

struct BeamRecord {
  // False until a left end has started a pass, and again after a refused
  // left end: the columns are cleared then and no beam is being entered.
  bool open = false;
  // At most one right end, and it is the last element: a right end that the
  // pass goes on past is kept as the condition it set.
  std::vector<Element> elements;
  // Set where memory ran out for the record of this pass: it is dropped,
  // and its reports say so.
  bool out_of_memory = false;
  // Counts the left ends recorded: which pass the record is of.
  std::uint64_t pass = 0;
};

// Adds the element a command applied to the record. A left end starts the
// record anew, a refused one closes it. Where memory runs out, the record
// is dropped and marked so; the dialogue goes on.
void record_command(BeamRecord& record, const CommandEffect& effect);

// Whether the command completed a beam: it set a right end.
bool completes_pass(const CommandEffect& effect);

// Whether record holds a complete pass: a left end first and a right end
// last.
bool is_complete(const BeamRecord& record);

}  // namespace dlt
