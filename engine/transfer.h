// The transfer formulas of a segment, for the registers' doubles and the
// stable solution's Wide alike: one text, so that both carry the same
// formulas in the same order, each rounding in its own type.
#pragma once

#include <type_traits>

namespace dlt {

// Carries one column (w, p, M, Q) across a segment of length l whose factor
// is k = l / (-EI).
template <class T>
void transfer_column(T& w, T& p, T& M, T& Q, std::type_identity_t<T> l, std::type_identity_t<T> k) {
  // The order fixes the rounding: each step sees what the steps before it
  // stored.
  w = (l * p) + w;
  p = (k * M) + p;
  w = (((k * M) * l) / 2) + w;
  M = (l * Q) + M;
  p = (((l * Q) * k) / 2) + p;
  w = (((((l * Q) * k) / 2) * l) / 3) + w;
}

// Adds to a load column the effect of a distributed load over a segment of
// length l and factor k just transferred: q at its left end, growing by qs
// per unit length.
template <class T>
void add_distributed_load(T& w, T& p, T& M, T& Q, std::type_identity_t<T> l, std::type_identity_t<T> k,
                          std::type_identity_t<T> q, std::type_identity_t<T> qs) {
  Q = ((-q) * l) + Q;
  M = ((((-q) * l) * l) / 2) + M;
  p = ((((((-q) * l) * l) / 2) * k) / 3) + p;
  w = ((((((((-q) * l) * l) / 2) * k) / 3) * l) / 4) + w;
  Q = ((((-qs) * l) * l) / 2) + Q;
  M = ((((((-qs) * l) * l) / 2) * l) / 3) + M;
  p = ((((((((-qs) * l) * l) / 2) * l) / 3) * k) / 4) + p;
  w = ((((((((((-qs) * l) * l) / 2) * l) / 3) * k) / 4) * l) / 5) + w;
}

}  // namespace dlt
