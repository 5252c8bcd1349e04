#include "report/beam_file/written_loads.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <string_view>

#include "report/beam_file/toml_text.h"
#include "report/beam_file/unwritable.h"
#include "report/pass/element_roles.h"

namespace dlt {

namespace {

// Where each kind of value goes, and what the notices call it.
struct ActionKey {
  std::vector<WrittenAction> WrittenLoads::*list;
  std::string_view what;
  std::string_view key;
};

constexpr ActionKey kForce{&WrittenLoads::forces, "Einzellast", "F"};
constexpr ActionKey kMoment{&WrittenLoads::moments, "Moment", "M"};
constexpr ActionKey kKink{&WrittenLoads::kinks, "Winkel", "p"};
constexpr ActionKey kOffset{&WrittenLoads::offsets, "Versatz", "w"};
constexpr ActionKey kSettlement{&WrittenLoads::settlements, "Absenkung", "w"};
constexpr ActionKey kRotation{&WrittenLoads::rotations, "Verdrehung", "p"};

const ActionKey& point_action_key(Quantity S1) {
  switch (S1) {
    case Quantity::w:
      return kOffset;
    case Quantity::p:
      return kKink;
    case Quantity::M:
      return kMoment;
    case Quantity::Q:
      return kForce;
  }
  return kForce;
}

// What a right end's prescribed value is in the file.
const ActionKey& end_value_key(Quantity S) {
  switch (S) {
    case Quantity::w:
      return kSettlement;
    case Quantity::p:
      return kRotation;
    case Quantity::M:
      return kMoment;
    case Quantity::Q:
      return kForce;
  }
  return kForce;
}

bool add_action(WrittenLoads& loads, const ActionKey& key, double x, double value, std::string& reason) {
  if (!std::isfinite(value)) {
    reason = unwritable_at(with_value(key.what, key.key, value), x);
    return false;
  }
  (loads.*key.list).push_back({x, value});
  return true;
}

bool add_load(WrittenLoads& loads, const Element& segment, double x, std::string& reason) {
  if (!(segment.length > 0) || !std::isfinite(segment.length)) {
    reason = unwritable_at(with_value("Abschnitt", "laenge", segment.length), x);
    return false;
  }
  if (!segment.loaded || (segment.q == 0 && segment.qs == 0)) return true;
  WrittenLoad load{x, x + segment.length, segment.q, segment.q + segment.qs * segment.length};
  if (!std::isfinite(load.q) || !std::isfinite(load.q_to)) {
    bool at_from = !std::isfinite(load.q);
    reason =
        unwritable_at(with_value("Streckenlast", at_from ? "q" : "q_bis", at_from ? load.q : load.q_to), x);
    return false;
  }
  loads.loads.push_back(load);
  return true;
}

}  // namespace

bool written_loads(const std::vector<Element>& elements, double tolerance, WrittenLoads& loads,
                   std::string& reason) {
  std::vector<double> positions = element_positions(elements);
  auto near = [tolerance](double a, double b) { return std::fabs(a - b) <= tolerance; };
  // The last x where w was held (a spring or support) and where a hinge
  // stood: the file puts point actions before them at their point.
  double holding_w = -std::numeric_limits<double>::infinity();
  double hinge = holding_w;
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = elements[k];
    double x = positions[k];
    switch (e.kind) {
      case ElementKind::left_end:
        break;
      case ElementKind::beam_segment:
      case ElementKind::shaft_segment:
        if (!add_load(loads, e, x, reason)) return false;
        break;
      case ElementKind::point_action:
        if (e.S1 == Quantity::w && near(x, holding_w)) {
          reason = unwritable_at("Versatz nach Feder oder Lager", x);
          return false;
        }
        if (e.S1 == Quantity::M && near(x, hinge)) {
          reason = unwritable_at("Moment nach Gelenk", x);
          return false;
        }
        if (!add_action(loads, point_action_key(e.S1), x, e.load, reason)) return false;
        break;
      case ElementKind::spring:
        holding_w = x;
        break;
      case ElementKind::condition:
        if (e.S1 == Quantity::w) {
          holding_w = x;
          if (e.W1 != 0 && !add_action(loads, kSettlement, x, e.W1, reason)) return false;
        } else if (e.S1 == Quantity::M && e.W1 == 0) {
          hinge = x;
        } else {
          std::string what = "Bedingung S1=" + std::to_string(state_code(e.S1));
          if (e.S1 == Quantity::M) what += ", W1=" + toml_number(e.W1);
          reason = unwritable_at(what, x);
          return false;
        }
        break;
      case ElementKind::right_end:
        if (e.W1 != 0 && !add_action(loads, end_value_key(e.S1), x, e.W1, reason)) return false;
        if (e.W2 != 0 && !add_action(loads, end_value_key(e.S2), x, e.W2, reason)) return false;
        break;
    }
  }
  return true;
}

}  // namespace dlt
