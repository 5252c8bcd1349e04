// What a command did to the beam, so that the menu loop can hand the elements
// that took effect on to whatever keeps a record of the beam.
#pragma once

#include "engine/element.h"

namespace dlt {

enum class Effect {
  none,         // nothing for the beam: results, info, or a command refused without a change
  element,      // element took effect; a left end starts a new pass, a right end completes it
  pass_closed,  // a refused left end: the columns are cleared and no pass is open
};

struct CommandEffect {
  Effect effect = Effect::none;
  Element element;
};

}  // namespace dlt
