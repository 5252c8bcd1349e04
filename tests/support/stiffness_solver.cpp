#include "tests/support/stiffness_solver.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace stiffness {

namespace {

using Vector4 = std::array<Real, 4>;
using Matrix4 = std::array<Vector4, 4>;

// The element's stiffness for (w1, p1, w2, p2).
Matrix4 element_stiffness(const Segment& s) {
  const Real L = s.length, k = s.EI / (L * L * L);
  return {{{12 * k, 6 * L * k, -12 * k, 6 * L * k},
           {6 * L * k, 4 * L * L * k, -6 * L * k, 2 * L * L * k},
           {-12 * k, -6 * L * k, 12 * k, -6 * L * k},
           {6 * L * k, 2 * L * L * k, -6 * L * k, 4 * L * L * k}}};
}

// The consistent nodal loads of q + qs t, which are also the end forces of
// the element clamped at both ends, with their signs turned.
Vector4 element_loads(const Segment& s) {
  const Real L = s.length, q = s.q, qs = s.qs;
  return {q * L / 2 + qs * L * L * 3 / 20, q * L * L / 12 + qs * L * L * L / 30,
          q * L / 2 + qs * L * L * 7 / 20, -q * L * L / 12 - qs * L * L * L / 20};
}

// A symmetric band matrix, upper half: entry (i, i + k) for k up to width.
class BandMatrix {
 public:
  BandMatrix(std::size_t size, std::size_t width) : width_(width), entries_(size * (width + 1)) {}
  Real& at(std::size_t i, std::size_t j) { return entries_[i * (width_ + 1) + (j - i)]; }

 private:
  std::size_t width_;
  std::vector<Real> entries_;
};

}  // namespace

std::optional<Solution> solve(const Beam& beam) {
  const std::size_t nodes = beam.nodes.size();
  if (nodes < 2 || beam.segments.size() != nodes - 1) return std::nullopt;
  for (const Node* end : {&beam.nodes.front(), &beam.nodes.back()})
    if (end->support || end->hinge) return std::nullopt;
  // Degrees of freedom: w at each node, p left and right of it (one and the
  // same but at a hinge).
  std::vector<std::size_t> w(nodes), p_left(nodes), p_right(nodes);
  std::size_t size = 0;
  for (std::size_t i = 0; i < nodes; ++i) {
    w[i] = size++;
    p_left[i] = size++;
    p_right[i] = beam.nodes[i].hinge ? size++ : p_left[i];
  }
  auto element_dofs = [&](std::size_t j) -> std::array<std::size_t, 4> {
    return {w[j], p_right[j], w[j + 1], p_left[j + 1]};
  };
  std::size_t width = 0;
  for (std::size_t j = 0; j + 1 < nodes; ++j) {
    auto dofs = element_dofs(j);
    width = std::max(width, *std::max_element(dofs.begin(), dofs.end()) - dofs[0]);
  }

  std::vector<bool> fixed(size, false);
  auto hold_end = [&](End end, std::size_t node) {
    if (end == End::free) return;
    fixed[w[node]] = true;
    if (end == End::clamped) fixed[p_left[node]] = true;
  };
  hold_end(beam.left, 0);
  hold_end(beam.right, nodes - 1);
  for (std::size_t i = 0; i < nodes; ++i)
    if (beam.nodes[i].support) fixed[w[i]] = true;

  BandMatrix K(size, width);
  std::vector<Real> f(size, 0);
  for (std::size_t j = 0; j + 1 < nodes; ++j) {
    auto dofs = element_dofs(j);
    Matrix4 k = element_stiffness(beam.segments[j]);
    Vector4 loads = element_loads(beam.segments[j]);
    for (int a = 0; a < 4; ++a) {
      if (fixed[dofs[a]]) continue;
      f[dofs[a]] += loads[a];
      for (int b = 0; b < 4; ++b)
        if (!fixed[dofs[b]] && dofs[b] >= dofs[a]) K.at(dofs[a], dofs[b]) += k[a][b];
    }
  }
  for (std::size_t i = 0; i < nodes; ++i) {
    if (fixed[w[i]]) continue;
    if (beam.nodes[i].spring) K.at(w[i], w[i]) += *beam.nodes[i].spring;
    if (beam.nodes[i].force) f[w[i]] += *beam.nodes[i].force;
  }
  std::vector<Real> diagonal(size);
  for (std::size_t i = 0; i < size; ++i) {
    if (fixed[i]) K.at(i, i) = 1;
    diagonal[i] = K.at(i, i);
  }

  // Gaussian elimination keeps the band and its symmetry; the matrix of a
  // stable beam is positive definite, so no pivoting. A pivot that is all
  // but gone against its diagonal is a rigid-body motion: a mechanism.
  for (std::size_t i = 0; i < size; ++i) {
    const Real pivot = K.at(i, i);
    if (!(pivot > 1e-10L * diagonal[i])) return std::nullopt;
    for (std::size_t j = i + 1; j <= std::min(i + width, size - 1); ++j) {
      const Real factor = K.at(i, j) / pivot;
      if (factor == 0) continue;
      for (std::size_t m = j; m <= std::min(i + width, size - 1); ++m) K.at(j, m) -= factor * K.at(i, m);
      f[j] -= factor * f[i];
    }
  }
  std::vector<Real> u(size);
  for (std::size_t i = size; i-- > 0;) {
    Real sum = f[i];
    for (std::size_t j = i + 1; j <= std::min(i + width, size - 1); ++j) sum -= K.at(i, j) * u[j];
    u[i] = sum / K.at(i, i);
  }

  // The end forces the nodes exert on each element, K u minus the loads,
  // are -Q and M at its left end and Q and -M at its right end.
  std::vector<State> starts(nodes - 1), ends(nodes - 1);
  for (std::size_t j = 0; j + 1 < nodes; ++j) {
    auto dofs = element_dofs(j);
    Matrix4 k = element_stiffness(beam.segments[j]);
    Vector4 end_forces = element_loads(beam.segments[j]);
    for (Real& force : end_forces) force = -force;
    for (int a = 0; a < 4; ++a)
      for (int b = 0; b < 4; ++b) end_forces[a] += k[a][b] * u[dofs[b]];
    starts[j] = {u[dofs[0]], u[dofs[1]], end_forces[1], -end_forces[0]};
    ends[j] = {u[dofs[2]], u[dofs[3]], -end_forces[3], end_forces[2]};
  }

  // The states between the actions at a node: walked forward from the
  // element that ends there, or at node 0 back from the one that starts
  // there. A support's reaction is what the shear force still lacks.
  Solution solution;
  solution.at_node.resize(nodes);
  for (std::size_t i = 0; i < nodes; ++i) {
    const Node& node = beam.nodes[i];
    std::vector<State>& states = solution.at_node[i];
    if (i == 0) {
      State s = starts[0];
      if (node.spring) {
        states.push_back(s);
        s.Q -= *node.spring * s.w;
      }
      if (node.force) {
        states.push_back(s);
        s.Q += *node.force;
      }
      states.push_back(s);
      std::reverse(states.begin(), states.end());
      continue;
    }
    State s = ends[i - 1];
    states.push_back(s);
    if (node.force) {
      s.Q -= *node.force;
      states.push_back(s);
    }
    if (node.spring) {
      s.Q += *node.spring * s.w;
      states.push_back(s);
    }
    if (node.support) {
      s.Q = starts[i].Q;
      states.push_back(s);
    }
    if (node.hinge) {
      s.p = starts[i].p;
      states.push_back(s);
    }
  }
  return solution;
}

}  // namespace stiffness
