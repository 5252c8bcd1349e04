// An independent reference for the end-to-end tests: a beam solved by the
// stiffness method with cubic Hermite elements, in long double. These give
// the exact nodal w and p of an Euler-Bernoulli beam under polynomial loads of
// degree up to one with consistent nodal loads, and each element's end forces
// follow exactly from its nodal values; so every value the program prints at
// a node is known to far more digits than it prints.
#pragma once

#include <optional>
#include <vector>

namespace stiffness {

using Real = long double;

enum class End { pinned, clamped, free };

// A point of the beam and what acts there, in the order a script enters it:
// point force, spring, support, hinge.
struct Node {
  std::optional<Real> force;   // `d 4 F`: in the direction of the load
  std::optional<Real> spring;  // `b c`
  bool support = false;        // `f 1 0 0`
  bool hinge = false;          // `f 3 0 0`
};

// A segment with the load q + qs t, t measured from its left end.
struct Segment {
  Real length = 1;
  Real EI = 1;
  Real q = 0;
  Real qs = 0;
};

// segments[j] joins nodes[j] and nodes[j + 1]. The end nodes carry no support
// or hinge of their own: the ends say how they are held.
struct Beam {
  End left = End::pinned;
  End right = End::pinned;
  std::vector<Node> nodes;
  std::vector<Segment> segments;
};

// The program's conventions: w in the direction of the load, p = dw/dx, M
// positive sagging, Q = dM/dx.
struct State {
  Real w = 0, p = 0, M = 0, Q = 0;
};

// at_node[i][0] is the state just left of what acts at node i (at node 0,
// just right of the left end); at_node[i][k] the state just right of its k-th
// action, in the order of Node.
struct Solution {
  std::vector<std::vector<State>> at_node;
};

// Empty where the beam is a mechanism (or too close to one to be a fair
// test).
std::optional<Solution> solve(const Beam& beam);

}  // namespace stiffness
