#include "report/statics.h"

namespace dlt {

namespace {

struct Balance {
  Statics statics;
  void add(std::size_t element, double x, ReactionKind kind, double value) {
    statics.reactions.push_back({element, x, kind, value});
    if (kind == ReactionKind::force) statics.reaction_sum = statics.reaction_sum + value;
  }
  void load(double value) { statics.load_sum = statics.load_sum + value; }
};

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
        if (e.loaded) balance.load((e.q * e.length) + (((e.qs * e.length) * e.length) / 2));
        break;
      case ElementKind::point_action:
        if (e.S1 == Quantity::Q) balance.load(e.load);
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
          balance.load(e.W1);
        else if (e.S2 == Quantity::Q)
          balance.load(e.W2);
        if (either_is(e, Quantity::p)) balance.add(k, at.x, ReactionKind::end_moment, at.before.M);
        break;
    }
  }
  balance.statics.difference = balance.statics.reaction_sum - balance.statics.load_sum;
  return balance.statics;
}

}  // namespace dlt
