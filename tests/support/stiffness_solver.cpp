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

// What the point actions at a node add up to: the jumps of Q, M, p and w
// across them.
struct NodeJumps {
  Real force = 0, moment = 0, kink = 0, offset = 0;
};

NodeJumps jumps_of(const Node& node) {
  NodeJumps sum;
  if (node.force) sum.force += *node.force;
  for (const PointAction& action : node.actions) {
    switch (action.kind) {
      case Jump::force:
        sum.force += action.value;
        break;
      case Jump::moment:
        sum.moment += action.value;
        break;
      case Jump::kink:
        sum.kink += action.value;
        break;
      case Jump::offset:
        sum.offset += action.value;
        break;
    }
  }
  return sum;
}

// The state right of one point action.
State after(State s, const PointAction& action) {
  switch (action.kind) {
    case Jump::force:
      s.Q -= action.value;
      break;
    case Jump::moment:
      s.M -= action.value;
      break;
    case Jump::kink:
      s.p -= action.value;
      break;
    case Jump::offset:
      s.w -= action.value;
      break;
  }
  return s;
}

}  // namespace

std::optional<Solution> solve(const Beam& beam) {
  const std::size_t nodes = beam.nodes.size();
  if (nodes < 2 || beam.segments.size() != nodes - 1) return std::nullopt;
  for (const Node* end : {&beam.nodes.front(), &beam.nodes.back()})
    if (end->support || end->hinge) return std::nullopt;
  // Degrees of freedom: w and p at each node just left of what acts there
  // (at node 0 the left end's own), and p right of a hinge. The kinks and
  // offsets at a node shift the start of the element right of it: it starts
  // at w - offset and, where no hinge frees it, p - kink.
  std::vector<NodeJumps> jumps(nodes);
  for (std::size_t i = 0; i < nodes; ++i) jumps[i] = jumps_of(beam.nodes[i]);
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
  auto element_shift = [&](std::size_t j) -> Vector4 {
    return {-jumps[j].offset, beam.nodes[j].hinge ? 0 : -jumps[j].kink, 0, 0};
  };
  std::size_t width = 0;
  for (std::size_t j = 0; j + 1 < nodes; ++j) {
    auto dofs = element_dofs(j);
    width = std::max(width, *std::max_element(dofs.begin(), dofs.end()) - dofs[0]);
  }

  // The prescribed values: the ends' at the end itself, a support's right of
  // the offsets at its node, as the right end's.
  std::vector<bool> fixed(size, false);
  std::vector<Real> u(size, 0);
  auto hold = [&](std::size_t dof, Real value) {
    fixed[dof] = true;
    u[dof] = value;
  };
  const std::size_t last = nodes - 1;
  if (beam.left == End::pinned || beam.left == End::clamped) hold(w[0], beam.left_w);
  if (beam.left == End::clamped || beam.left == End::guided) hold(p_left[0], beam.left_p);
  if (beam.right == End::pinned || beam.right == End::clamped)
    hold(w[last], beam.right_w + jumps[last].offset);
  if (beam.right == End::clamped || beam.right == End::guided)
    hold(p_left[last], beam.right_p + jumps[last].kink);
  for (std::size_t i = 0; i < nodes; ++i)
    if (beam.nodes[i].support) hold(w[i], beam.nodes[i].settlement + jumps[i].offset);

  BandMatrix K(size, width);
  std::vector<Real> f(size, 0);
  for (std::size_t j = 0; j + 1 < nodes; ++j) {
    auto dofs = element_dofs(j);
    Matrix4 k = element_stiffness(beam.segments[j]);
    Vector4 loads = element_loads(beam.segments[j]);
    Vector4 shift = element_shift(j);
    for (int a = 0; a < 4; ++a) {
      if (fixed[dofs[a]]) continue;
      f[dofs[a]] += loads[a];
      for (int b = 0; b < 4; ++b) {
        f[dofs[a]] -= k[a][b] * shift[b];
        if (fixed[dofs[b]])
          f[dofs[a]] -= k[a][b] * u[dofs[b]];
        else if (dofs[b] >= dofs[a])
          K.at(dofs[a], dofs[b]) += k[a][b];
      }
    }
  }
  // A spring pushes against w right of the offsets: c (w - offset).
  for (std::size_t i = 0; i < nodes; ++i) {
    const Node& node = beam.nodes[i];
    if (!fixed[w[i]]) {
      if (node.spring) {
        K.at(w[i], w[i]) += *node.spring;
        f[w[i]] += *node.spring * jumps[i].offset;
      }
      f[w[i]] += jumps[i].force;
    }
    if (!fixed[p_left[i]]) f[p_left[i]] -= jumps[i].moment;
  }
  std::vector<Real> diagonal(size);
  for (std::size_t i = 0; i < size; ++i) {
    if (fixed[i]) K.at(i, i) = 1;
    diagonal[i] = K.at(i, i);
  }

  // Gaussian elimination keeps the band and its symmetry; the matrix of a
  // stable beam is positive definite, so no pivoting. A pivot that is all
  // but gone against its diagonal is a rigid-body motion: a mechanism. The
  // rows of prescribed values are identities and stay so.
  for (std::size_t i = 0; i < size; ++i) {
    if (fixed[i]) continue;
    const Real pivot = K.at(i, i);
    if (!(pivot > Real(1e-10) * diagonal[i])) return std::nullopt;
    for (std::size_t j = i + 1; j <= std::min(i + width, size - 1); ++j) {
      const Real factor = K.at(i, j) / pivot;
      if (factor == 0 || fixed[j]) continue;
      for (std::size_t m = j; m <= std::min(i + width, size - 1); ++m) K.at(j, m) -= factor * K.at(i, m);
      f[j] -= factor * f[i];
    }
  }
  for (std::size_t i = size; i-- > 0;) {
    if (fixed[i]) continue;
    Real sum = f[i];
    for (std::size_t j = i + 1; j <= std::min(i + width, size - 1); ++j)
      if (!fixed[j]) sum -= K.at(i, j) * u[j];
    u[i] = sum / K.at(i, i);
  }

  // The end forces the nodes exert on each element, K u minus the loads,
  // are -Q and M at its left end and Q and -M at its right end.
  std::vector<State> starts(nodes - 1), ends(nodes - 1);
  for (std::size_t j = 0; j + 1 < nodes; ++j) {
    auto dofs = element_dofs(j);
    Matrix4 k = element_stiffness(beam.segments[j]);
    Vector4 shift = element_shift(j);
    Vector4 at_ends;
    for (int a = 0; a < 4; ++a) at_ends[a] = u[dofs[a]] + shift[a];
    Vector4 end_forces = element_loads(beam.segments[j]);
    for (Real& force : end_forces) force = -force;
    for (int a = 0; a < 4; ++a)
      for (int b = 0; b < 4; ++b) end_forces[a] += k[a][b] * at_ends[b];
    starts[j] = {at_ends[0], at_ends[1], end_forces[1], -end_forces[0]};
    ends[j] = {at_ends[2], at_ends[3], -end_forces[3], end_forces[2]};
  }

  // The states between the actions at a node, walked forward from the
  // element that ends there; at node 0 from the left end's w and p, with M
  // and Q taken back from the element that starts there over the actions.
  // A support's reaction is what the shear force still lacks.
  Solution solution;
  solution.at_node.resize(nodes);
  for (std::size_t i = 0; i < nodes; ++i) {
    const Node& node = beam.nodes[i];
    std::vector<State>& states = solution.at_node[i];
    State s;
    if (i == 0) {
      const State& start = starts[0];
      s = {u[w[0]], u[p_left[0]], start.M + jumps[0].moment,
           start.Q + jumps[0].force - (node.spring ? *node.spring * start.w : 0)};
    } else {
      s = ends[i - 1];
    }
    states.push_back(s);
    if (node.force) {
      s.Q -= *node.force;
      states.push_back(s);
    }
    for (const PointAction& action : node.actions) {
      s = after(s, action);
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

State along(const Segment& segment, const State& start, Real t) {
  const Real q = segment.q, qs = segment.qs, EI = segment.EI;
  const Real t2 = t * t, t3 = t2 * t, t4 = t3 * t, t5 = t4 * t;
  State s;
  s.Q = start.Q - q * t - qs * t2 / 2;
  s.M = start.M + start.Q * t - q * t2 / 2 - qs * t3 / 6;
  s.p = start.p - (start.M * t + start.Q * t2 / 2 - q * t3 / 6 - qs * t4 / 24) / EI;
  s.w = start.w + start.p * t - (start.M * t2 / 2 + start.Q * t3 / 6 - q * t4 / 24 - qs * t5 / 120) / EI;
  return s;
}

}  // namespace stiffness
