// The four quantities of the state at a cross-section: deflection w, slope
// p, bending moment M and shear force Q. Each has its state code 1 to 4, as
// the prompts show it and the register file addresses it (R[s], R[s+4],
// R[s+8]), an index 0 to 3 for tables, and its name. A code typed by the user
// becomes a Quantity only through quantity_of_code, which takes 1 to 4 alone.
#pragma once

namespace dlt {

enum class Quantity { w, p, M, Q };

inline constexpr int kQuantityCount = 4;
inline constexpr Quantity kQuantities[kQuantityCount] = {Quantity::w, Quantity::p, Quantity::M, Quantity::Q};

// 1 = w, 2 = p, 3 = M, 4 = Q.
constexpr int state_code(Quantity q) { return static_cast<int>(q) + 1; }

// 0 = w to 3 = Q, for arrays of four.
constexpr int quantity_index(Quantity q) { return static_cast<int>(q); }

// Sets q to the quantity of a state code and returns true; false, with q
// untouched, where code is not 1 to 4.
constexpr bool quantity_of_code(int code, Quantity& q) {
  if (code < 1 || code > kQuantityCount) return false;
  q = kQuantities[code - 1];
  return true;
}

// "w", "p", "M" or "Q", as the prompts and the results name them.
constexpr const char* quantity_name(Quantity q) {
  switch (q) {
    case Quantity::w:
      return "w";
    case Quantity::p:
      return "p";
    case Quantity::M:
      return "M";
    case Quantity::Q:
      return "Q";
  }
  return "?";
}

}  // namespace dlt
