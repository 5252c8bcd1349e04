// What a command did to the beam, so that the menu loop can hand the commands
// that took effect on to whatever keeps a record of the beam.
#pragma once

namespace dlt {

enum class Effect {
  none,       // refused, or nothing that belongs to the beam (results, info)
  element,    // one more element of the beam; a left end starts a new one
  right_end,  // a condition that was also the right end: the beam is complete
};

}  // namespace dlt
