#include "report/envelope/load_cases.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <new>
#include <utility>

#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/pass/element_roles.h"

namespace dlt {

namespace {

// Bit for bit, so that a NaN equals itself.
bool same_bits(double a, double b) {
  return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool same_element(const Element& a, const Element& b) {
  return a.kind == b.kind && a.S1 == b.S1 && a.S2 == b.S2 && same_bits(a.length, b.length) &&
         same_bits(a.EI, b.EI) && same_bits(a.E, b.E) && same_bits(a.diameter, b.diameter) &&
         a.loaded == b.loaded && same_bits(a.q, b.q) && same_bits(a.qs, b.qs) && same_bits(a.load, b.load) &&
         same_bits(a.c, b.c) && same_bits(a.W1, b.W1) && same_bits(a.W2, b.W2);
}

bool same_elements(const std::vector<Element>& a, const std::vector<Element>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t k = 0; k < a.size(); ++k) {
    if (!same_element(a[k], b[k])) return false;
  }
  return true;
}

// The values at each support and the reactions of a case, from a walk of
// it, in the order of its elements.
void gather_support_values(LoadCase& load_case) {
  CompletePass pass{load_case.record, load_case.solved, 1};
  BeamSummary summary = summarize_beam(pass);
  const std::vector<Element>& elements = load_case.record.elements;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    if (is_support(elements[k])) load_case.at_supports.push_back(summary.elements[k].after);
  }
  for (const Reaction& reaction : beam_statics(load_case.record, summary).reactions)
    load_case.reactions.push_back(reaction.value);
}

// Adds the pass to the load cases of its beam, unless it equals one of
// them; false where it does.
bool append_case(LoadCases& cases, const BeamRecord& record, const RegisterFile& R) {
  for (const LoadCase& earlier : cases.cases) {
    if (same_elements(earlier.record.elements, record.elements)) return false;
  }
  LoadCase load_case;
  load_case.record = record;
  load_case.solved = closed_copy(R);
  load_case.pass = record.pass;
  gather_support_values(load_case);
  cases.cases.push_back(std::move(load_case));
  return true;
}

// The beam whose last load case came last: the beam of the pass before,
// where the one the last pass joined has gone.
std::size_t latest_beam(const CasesByBeam& beams) {
  std::size_t latest = 0;
  for (std::size_t b = 1; b < beams.beams.size(); ++b) {
    if (beams.beams[b].cases.back().pass > beams.beams[latest].cases.back().pass) latest = b;
  }
  return latest;
}

}  // namespace

const LoadCases& last_beam(const CasesByBeam& beams) { return beams.beams[beams.last]; }

CaseJoined join_load_case(CasesByBeam& beams, const BeamRecord& record, const RegisterFile& R) {
  try {
    CaseJoined joined;
    std::vector<LoadCases>& all = beams.beams;
    std::size_t before = beams.last;
    // A later right end of the same pass takes the place of its earlier one,
    // and of its beam where that had no other load case.
    if (!all.empty() && all[before].cases.back().pass == record.pass) {
      all[before].cases.pop_back();
      joined.added = CaseAdded::replaced;
      if (all[before].cases.empty()) {
        all.erase(all.begin() + static_cast<std::ptrdiff_t>(before));
        before = latest_beam(beams);
      }
    }
    // The beam of the pass before first: most passes are of it.
    auto joins = [&](std::size_t b) {
      return same_beam(all[b].cases.front().record.elements, record.elements);
    };
    std::size_t beam = 0;
    if (before < all.size() && joins(before))
      beam = before;
    else
      while (beam < all.size() && (beam == before || !joins(beam))) ++beam;
    if (beam == all.size()) {
      if (!all.empty()) {
        joined.change = BeamChange::new_beam;
        joined.difference = beam_difference(all[before].cases.front().record.elements, record.elements);
      }
      all.emplace_back();
    } else if (beam != before) {
      joined.change = BeamChange::returned;
      joined.earlier_cases = all[beam].cases.size();
    }
    beams.last = beam;
    if (!append_case(all[beam], record, R)) {
      joined.added = CaseAdded::repeated;
      return joined;
    }
    joined.number = all[beam].cases.size();
    return joined;
  } catch (const std::bad_alloc&) {
    std::vector<LoadCases>().swap(beams.beams);
    beams.last = 0;
    throw;
  }
}

bool leaves_last_beam(const CasesByBeam& beams, const BeamRecord& record) {
  if (beams.beams.empty()) return false;
  // As join_load_case sees it: after the earlier right end of the same pass
  // has made way.
  const LoadCases& last = last_beam(beams);
  std::size_t kept = last.cases.size();
  if (last.cases.back().pass == record.pass) kept = kept - 1;
  return kept > 0 && !same_beam(last.cases.front().record.elements, record.elements);
}

}  // namespace dlt
