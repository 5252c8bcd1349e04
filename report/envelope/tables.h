// The tables of the envelope reports, as data for the text and page
// writers: the beam of the first load case, the loads of every case, the
// factors, each span's largest and smallest M, the moments and reactions at
// the supports, the extremes along the beam, and the table of the largest
// and smallest values at every point, whose rows come from a walk.
#pragma once

#include <vector>

#include "report/beam/tables.h"
#include "report/envelope/envelope_run.h"
#include "report/envelope/summary.h"
#include "report/format/table.h"
#include "report/format/units.h"

namespace dlt {

// The text report's first line and the page's title.
inline constexpr char kEnvelopeTitle[] = "Durchlauftraeger - Grenzwerte";

// Every table but the last. Their rows refer to the run's cases and
// factors, summary and units, which must outlive them.
std::vector<Table> envelope_summary_tables(const EnvelopeRun& run, const EnvelopeSummary& summary,
                                           const UnitNames& units);

// x, w_max, w_min, p_max, p_min, M_max, M_min, Q_max, Q_min at every point.
Table envelope_table(const EnvelopeRun& run, const EnvelopeSummary& summary, const UnitNames& units);

// The CSV's header: the envelope table's columns without units.
std::vector<Column> envelope_columns();

}  // namespace dlt
