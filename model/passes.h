// The passes of a beam file: the beam split at every point where anything
// acts, changes or is wanted, and built into the engine's elements as the
// dialogue would enter them, one pass per load case and one of the chosen
// load cases acting together, with the places whose values the report lists.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/element.h"
#include "model/beam_file.h"

namespace dlt {

// A place whose values are wanted, in the elements of a pass: left of it the
// values after the first `left` elements, right of it after the first
// `right` (no fewer).
struct PlaceInPass {
  double x = 0;
  std::size_t left = 0;
  std::size_t right = 0;
};

// A pass and, for each of its elements, where the file gave it.
struct FilePass {
  std::vector<Element> elements;
  std::vector<FilePlace> sources;
};

struct BeamPasses {
  // One per load case, in the file's order: the first permanent.
  std::vector<FilePass> cases;
  // The loads of the chosen load cases acting together.
  FilePass together;
  std::vector<PlaceInPass> places;
};

// Builds the passes of file, with the load cases named in chosen acting
// together (all of them where chosen is empty). False with the fault where
// the beam's points do not fit it: outside the beam, two supports, hinges or
// ends at one x, a support at an end, a settlement or rotation that no
// condition prescribes, or a name in chosen that is no load case (its
// place is then 0:0: the fault is the command line's).
bool build_passes(const BeamFile& file, const std::vector<std::string>& chosen, BeamPasses& passes,
                  FileFault& fault);

// x as the faults give it: the shortest digits that read back the same.
std::string x_text(double x);

// How close two x are and still one point: 1e-9 of the beam's length.
double point_tolerance(const BeamFile& file);

}  // namespace dlt
