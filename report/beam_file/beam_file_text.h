// The text of a beam file as --als-datei writes it: the beam of the first
// load case with the loads of every load case, each key of the file in the
// order of its elements, every number in the shortest form that reads back
// as the same double.
#pragma once

#include <string>

#include "report/envelope/load_cases.h"
#include "report/format/labels.h"

namespace dlt {

// Appends the beam file of cases to text, with the title and units of
// labels where they are given. False with the reason where the beam or a
// load of it has no form in a beam file (report/beam_file/written_beam.h,
// written_loads.h) or the title is not UTF-8; text is then incomplete.
// REQUIRES: cases holds at least one load case.
bool beam_file_text(const LoadCases& cases, const ReportLabels& labels, std::string& text,
                    std::string& reason);

}  // namespace dlt
