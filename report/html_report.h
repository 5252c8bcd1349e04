// The report page of a complete beam: one self-contained XHTML file with the
// sketch of the beam, the diagrams of w, p, M and Q, and the tables of the
// text report (the beam as entered, reactions and balance, extremes, values),
// with the same numbers. No scripts and nothing outside the file.
#pragma once

#include <string>

#include "report/beam_record.h"
#include "report/replay.h"
#include "report/statics.h"

namespace dlt {

// REQUIRES: course is the replay of record with `pieces` pieces a segment,
// and statics the statics of both.
std::string html_report(const BeamRecord& record, const BeamCourse& course, const Statics& statics,
                        int pieces);

}  // namespace dlt
