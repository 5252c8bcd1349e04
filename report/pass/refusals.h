// Why the files of a pass are not written where the files are not to blame,
// in one ladder that the reports and the envelope files both climb: memory
// ran out for the record, the pass has no left end, or its files would ask
// for more work than any beam needs (a bound on the work, however long the
// script).
#pragma once

#include <cstdint>
#include <string_view>

#include "report/pass/record.h"

namespace dlt {

// Where a right end follows a refused left end. A refused left end leaves the
// unknowns' columns cleared, and only a segment or spring that makes them NaN
// (an EI of 0, a c of infinity) lets a condition through: the beam is not
// determined, whatever else is missing.
inline constexpr char kNoLeftEndReason[] =
    "Traeger nicht bestimmbar: nach dem abgewiesenen linken Ende sind die Werte keine Zahlen";
inline constexpr std::uint64_t kMaxTableRows = 100000000;
inline constexpr char kTooManyRowsReason[] = "mehr als 100000000 Tabellenzeilen";
// The envelope's: its rows once for each load case, as each row holds them
// all.
inline constexpr char kTooManyCaseRowsReason[] = "mehr als 100000000 Tabellenzeilen aller Lastfaelle";

// Why nothing can be taken from the pass in record: memory ran out for it,
// or it is not complete. Empty where it can.
std::string_view record_refusal(const BeamRecord& record);

// Why files that ask for work rows of tables (or as much other work) are
// not written: more than kMaxTableRows. Empty where they are.
std::string_view work_refusal(std::uint64_t work);

}  // namespace dlt
