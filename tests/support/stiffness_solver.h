// An independent reference for the end-to-end tests: a beam solved by the
// stiffness method with cubic Hermite elements, in __float128 where the
// compiler has it (113 bits: stiff springs cost the elimination ten digits
// and more, and twenty still stand), else in long double. These give
// the exact nodal w and p of an Euler-Bernoulli beam under polynomial loads of
// degree up to one with consistent nodal loads, and each element's end forces
// follow exactly from its nodal values; so every value the program prints at
// a node is known to far more digits than it prints. Inside an element the
// values follow exactly from those at its start (along).
#pragma once

#include <optional>
#include <vector>

namespace stiffness {

#if defined(__SIZEOF_FLOAT128__)
__extension__ typedef __float128 Real;
#else
using Real = long double;
#endif

// |x|, for either type of Real.
inline Real magnitude(Real x) { return x < 0 ? -x : x; }

// How an end is held: pinned w = M = 0, clamped w = p = 0, free M = Q = 0,
// guided p = Q = 0 (w and p as the beam prescribes them below).
enum class End { pinned, clamped, free, guided };

// A point action as key d enters it: its quantity is lower by the value
// right of the point (`d 4 F`, `d 3 M`, `d 2 a`, `d 1 s`).
enum class Jump { force, moment, kink, offset };

struct PointAction {
  Jump kind = Jump::force;
  Real value = 0;
};

// A point of the beam and what acts there, in the order a script enters it:
// point force, the further point actions, spring, support, hinge.
struct Node {
  std::optional<Real> force;         // `d 4 F`: in the direction of the load
  std::vector<PointAction> actions;  // after the force, in their order
  std::optional<Real> spring;        // `b c`
  bool support = false;              // `f 1 W1 0`
  Real settlement = 0;               // the support's W1: its w
  bool hinge = false;                // `f 3 0 0`
};

// A segment with the load q + qs t, t measured from its left end.
struct Segment {
  Real length = 1;
  Real EI = 1;
  Real q = 0;
  Real qs = 0;
};

// segments[j] joins nodes[j] and nodes[j + 1]. The end nodes carry no support
// or hinge of their own: the ends say how they are held. What an end holds
// is held at the end itself: at the left end left of what acts at node 0, at
// the right end right of what acts at the last node.
struct Beam {
  End left = End::pinned;
  End right = End::pinned;
  std::vector<Node> nodes;
  std::vector<Segment> segments;
  // The values the ends hold where they hold w (pinned, clamped) or p
  // (clamped, guided): a settlement, an end rotation.
  Real left_w = 0, left_p = 0, right_w = 0, right_p = 0;
};

// The program's conventions: w in the direction of the load, p = dw/dx, M
// positive sagging, Q = dM/dx.
struct State {
  Real w = 0, p = 0, M = 0, Q = 0;
};

// at_node[i][0] is the state just left of what acts at node i (at node 0,
// just right of the left end: the end's own values); at_node[i][k] the state
// just right of its k-th action, in the order of Node.
struct Solution {
  std::vector<std::vector<State>> at_node;
};

// Empty where the beam is a mechanism (or too close to one to be a fair
// test).
std::optional<Solution> solve(const Beam& beam);

// The state at t along segment, from the state at its start.
State along(const Segment& segment, const State& start, Real t);

}  // namespace stiffness
