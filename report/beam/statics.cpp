#include "report/beam/statics.h"

namespace dlt {

namespace {

// The moments about the left end count in the sense of a downward force
// right of it: a force F at x turns with F x, and a moment that makes M jump
// by dM turns with dM (so M after the whole beam is zero where the sum is).
struct Balance {
  Statics statics;
  void add(std::size_t element, double x, ReactionKind kind, double value) {
    statics.reactions.push_back({element, x, kind, value});
    switch (kind) {
      case ReactionKind::force:
        statics.reaction_sum = statics.reaction_sum + value;
        reaction_moment(value * x);
        break;
      case ReactionKind::end_moment:
        // At the left end M jumps from zero to the clamping moment, at the
        // right end from it to zero.
        reaction_moment(element == 0 ? -value : value);
        break;
      case ReactionKind::moment_jump:
        reaction_moment(-value);
        break;
    }
  }
  void load(double value, double moment) {
    statics.load_sum = statics.load_sum + value;
    load_moment(moment);
  }
  void load_moment(double moment) { statics.load_moment_sum = statics.load_moment_sum + moment; }
  void reaction_moment(double moment) { statics.reaction_moment_sum = statics.reaction_moment_sum + moment; }
};

// The load q + qs t on a segment of length L from x0 on: its resultant and
// its moment about x = 0, the integral of (q + qs t)(x0 + t) over t.
void distributed_load(Balance& balance, const Element& e, double x0) {
  double L = e.length;
  double resultant = (e.q * L) + (((e.qs * L) * L) / 2);
  double about_start = ((((e.q * L) * L) / 2)) + ((((e.qs * L) * L) * L) / 3);
  balance.load(resultant, (resultant * x0) + about_start);
}

// The value after an element less the value before it: for Q the force the
// element takes up from the beam, for M the moment.
double jump(const ElementValues& at, Quantity q) { return value_of(at.after, q) - value_of(at.before, q); }

bool either_is(const Element& e, Quantity q) { return e.S1 == q || e.S2 == q; }

}  // namespace

Statics beam_statics(const BeamRecord& record, const BeamSummary& summary) {
  Balance balance;
  const std::vector<Element>& elements = record.elements;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    const ElementValues& at = summary.elements[k];
    switch (e.kind) {
      case ElementKind::left_end:
        // The quantities not unknown at the left end are zero there: a fixed
        // w takes up Q, a fixed p holds the moment M.
        if (!either_is(e, Quantity::w)) balance.add(k, 0, ReactionKind::force, at.after.Q);
        if (!either_is(e, Quantity::p)) balance.add(k, 0, ReactionKind::end_moment, at.after.M);
        break;
      case ElementKind::beam_segment:
      case ElementKind::shaft_segment:
        if (e.loaded) distributed_load(balance, e, at.x);
        break;
      case ElementKind::point_action:
        if (e.S1 == Quantity::Q) balance.load(e.load, e.load * at.x);
        if (e.S1 == Quantity::M) balance.load_moment(-e.load);  // M drops by the load
        break;
      case ElementKind::spring:
        balance.add(k, at.x, ReactionKind::force, jump(at, Quantity::Q));
        break;
      case ElementKind::condition:
        if (e.S1 == Quantity::w) {
          balance.add(k, at.x, ReactionKind::force, jump(at, Quantity::Q));
        } else if (e.S1 == Quantity::p) {
          balance.add(k, at.x, ReactionKind::moment_jump, jump(at, Quantity::M));
        }
        break;
      case ElementKind::right_end:
        // Beyond the right end Q is zero: a fixed w takes up Q, and a Q
        // prescribed there is a force on the end.
        if (either_is(e, Quantity::w))
          balance.add(k, at.x, ReactionKind::force, -at.before.Q);
        else if (e.S1 == Quantity::Q)
          balance.load(e.W1, e.W1 * at.x);
        else if (e.S2 == Quantity::Q)
          balance.load(e.W2, e.W2 * at.x);
        if (either_is(e, Quantity::p)) {
          balance.add(k, at.x, ReactionKind::end_moment, at.before.M);
        } else {
          // M drops to zero beyond the end: a moment prescribed there is a load.
          balance.load_moment(-at.before.M);
        }
        break;
    }
  }
  balance.statics.difference = balance.statics.reaction_sum - balance.statics.load_sum;
  balance.statics.moment_difference = balance.statics.reaction_moment_sum - balance.statics.load_moment_sum;
  return balance.statics;
}

}  // namespace dlt
