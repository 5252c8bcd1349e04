#include "engine/followed_beam.h"

#include <cmath>
#include <cstddef>

#include "engine/carried_state.h"
#include "engine/element.h"
#include "engine/stable_columns.h"

namespace dlt {

// A segment that changes nothing: no length, and a finite l / EI (an EI of
// zero makes even no length a NaN).
static bool changes_nothing(const Element& e) {
  return is_segment(e) && e.length == 0 && std::isfinite(0 / segment_minus_EI(e));
}

// The first element from k on that is not a segment changing nothing.
static std::size_t next_effective(const KeptBeam& beam, std::size_t k) {
  while (k < beam.elements.size() && changes_nothing(beam.elements[k].element)) k = k + 1;
  return k;
}

static bool same_stiffness(const Element& kept, const Element& piece) {
  if (piece.kind == ElementKind::shaft_segment) return piece.E == kept.E && piece.diameter == kept.diameter;
  return piece.EI == kept.EI;
}

static bool near(double a, double b, double tolerance) { return std::fabs(a - b) <= tolerance; }

// Whether piece, starting `into` along the kept segment, is a piece of it;
// moves the pass on along the kept beam where it is.
static bool follows_segment(const KeptBeam& beam, StableSpot& here, const Element& piece, double x) {
  const PlacedElement& placed = beam.elements[here.followed];
  const Element& kept = placed.element;
  double tolerance = beam.follow_tolerance;
  if (kept.kind != piece.kind || !same_stiffness(kept, piece) || !near(x, placed.x + here.into, tolerance))
    return false;
  // Unloaded is a load of zero; the piece's load is the kept one at its start.
  double kept_q = kept.loaded ? kept.q : 0;
  double kept_qs = kept.loaded ? kept.qs : 0;
  double q = piece.loaded ? piece.q : 0;
  double qs = piece.loaded ? piece.qs : 0;
  double load_tolerance = 1e-9 * (std::fabs(kept_q) + std::fabs(kept_qs * kept.length));
  if (!near(q, kept_q + (kept_qs * here.into), load_tolerance) ||
      !near(qs, kept_qs, 1e-9 * std::fabs(kept_qs)))
    return false;
  double reached = here.into + piece.length;
  if (reached > kept.length + tolerance) return false;
  if (near(reached, kept.length, tolerance)) {
    here.followed = next_effective(beam, here.followed + 1);
    here.into = 0;
  } else {
    here.into = reached;
  }
  return true;
}

// Whether a point element (an action, spring or condition) is the kept one
// at the point the pass has reached.
static bool follows_point(const KeptBeam& beam, StableSpot& here, const Element& e, double x) {
  const PlacedElement& placed = beam.elements[here.followed];
  const Element& kept = placed.element;
  if (here.into != 0 || kept.kind != e.kind || !near(x, placed.x, beam.follow_tolerance)) return false;
  bool same = false;
  switch (e.kind) {
    case ElementKind::point_action:
      same = kept.S1 == e.S1 && kept.load == e.load;
      break;
    case ElementKind::spring:
      same = kept.c == e.c;
      break;
    case ElementKind::condition:
      same = kept.S1 == e.S1 && kept.W1 == e.W1;
      break;
    case ElementKind::right_end:
      same = kept.S1 == e.S1 && kept.W1 == e.W1 && kept.S2 == e.S2 && kept.W2 == e.W2;
      break;
    case ElementKind::left_end:
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
      break;
  }
  if (!same) return false;
  here.followed = next_effective(beam, here.followed + 1);
  return true;
}

static bool follows(const KeptBeam& beam, StableSpot& here, const Element& e, double x) {
  switch (e.kind) {
    case ElementKind::left_end:
      // Its unknowns were compared as the pass started.
      here.followed = next_effective(beam, 1);
      here.into = 0;
      return true;
    case ElementKind::beam_segment:
    case ElementKind::shaft_segment:
      if (changes_nothing(e)) return true;
      return here.followed < beam.elements.size() && follows_segment(beam, here, e, x);
    case ElementKind::point_action:
    case ElementKind::spring:
    case ElementKind::condition:
    case ElementKind::right_end:
      return here.followed < beam.elements.size() && follows_point(beam, here, e, x);
  }
  return false;
}

void follow_element(StableFile& s, const Element& element, double x) {
  if (s.keeps_anchors) {
    s.elements.push_back({element, x});
    if (element.kind == ElementKind::right_end && s.solved) s.solved_elements = s.elements.size();
  }
  if (s.kept && !s.here.left_beam && !follows(*s.kept, s.here, element, x)) leave_beam(s);
  turn_wide_after_leaving(s);
}

}  // namespace dlt
