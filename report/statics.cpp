#include "report/statics.h"

namespace dlt {

namespace {

// The state codes of w, p and Q.
constexpr int kWCode = 1;
constexpr int kPCode = 2;
constexpr int kQCode = 4;

struct Balance {
  Statics statics;
  void add(std::size_t element, double x, ReactionKind kind, double value) {
    statics.reactions.push_back({element, x, kind, value});
    if (kind == ReactionKind::force) statics.reaction_sum = statics.reaction_sum + value;
  }
  void load(double value) { statics.load_sum = statics.load_sum + value; }
};

// The value after element k less the value before it: for Q the force the
// element takes up from the beam, for M the moment.
double jump(const BeamCourse& course, std::size_t k, int q) {
  const ElementRows& at = course.elements[k];
  return quantity(course.rows[at.after].at, q) - quantity(course.rows[at.before].at, q);
}

}  // namespace

Statics beam_statics(const BeamRecord& record, const BeamCourse& course) {
  Balance balance;
  const std::vector<Element>& elements = record.elements;
  std::size_t last = elements.size() - 1;
  for (std::size_t k = 0; k <= last; ++k) {
    const Element& e = elements[k];
    double x = course.elements[k].x;
    const PointValues& before = course.rows[course.elements[k].before].at;
    switch (e.kind) {
      case ElementKind::left_end:
        // The quantities not unknown at the left end are zero there: a fixed
        // w takes up Q, a fixed p holds the moment M.
        if (e.S1 != kWCode && e.S2 != kWCode) balance.add(k, 0, ReactionKind::force, course.rows[0].at.Q);
        if (e.S1 != kPCode && e.S2 != kPCode)
          balance.add(k, 0, ReactionKind::end_moment, course.rows[0].at.M);
        break;
      case ElementKind::beam_segment:
      case ElementKind::shaft_segment:
        if (e.loaded) balance.load((e.q * e.length) + (((e.qs * e.length) * e.length) / 2));
        break;
      case ElementKind::point_load:
        if (e.S1 == kQCode) balance.load(e.value);
        break;
      case ElementKind::spring:
        balance.add(k, x, ReactionKind::force, jump(course, k, kQ));
        break;
      case ElementKind::condition:
        if (k == last) {
          // Beyond the right end Q is zero: a fixed w takes up Q, and a Q
          // prescribed there is a force on the end.
          if (e.S1 == kWCode || e.S2 == kWCode)
            balance.add(k, x, ReactionKind::force, -before.Q);
          else if (e.S1 == kQCode)
            balance.load(e.value);
          else if (e.S2 == kQCode)
            balance.load(e.W2);
          if (e.S1 == kPCode || e.S2 == kPCode) balance.add(k, x, ReactionKind::end_moment, before.M);
        } else if (e.S1 == kWCode) {
          balance.add(k, x, ReactionKind::force, jump(course, k, kQ));
        } else if (e.S1 == kPCode) {
          balance.add(k, x, ReactionKind::moment_jump, jump(course, k, kM));
        }
        break;
    }
  }
  balance.statics.difference = balance.statics.reaction_sum - balance.statics.load_sum;
  return balance.statics;
}

}  // namespace dlt
