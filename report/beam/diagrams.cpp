#include "report/beam/diagrams.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "report/format/diagram.h"
#include "report/format/numbers.h"

namespace dlt {

namespace {

bool is_zero_text(double value) { return !(std::fabs(value) > kPrintedApart) && prints_as_zero(value); }

// The labels wanted so far, so that none is wanted twice: two are alike
// where their x and their value print alike. Where the point elements'
// x run in order, only the labels at nearly the same x can be alike, and
// those are compared as numbers; else, and where very many stand at nearly
// one x, by their texts.
struct Seen {
  std::vector<std::pair<double, double>> extremes;
  std::vector<std::pair<double, double>> near;  // at nearly the last x
  bool by_text = false;
  std::set<std::pair<std::string, std::string>> texts;
};
constexpr std::size_t kMostNear = 64;

void read_by_text(Seen& seen) {
  seen.by_text = true;
  for (const auto& [x, value] : seen.extremes) seen.texts.insert({fixed_text(x), fixed_text(value)});
  for (const auto& [x, value] : seen.near) seen.texts.insert({fixed_text(x), fixed_text(value)});
}

// Whether a label at x with value is wanted for the first time; it is then
// seen.
bool first_time(Seen& seen, double x, double value, bool is_extreme) {
  if (seen.by_text) return seen.texts.insert({fixed_text(x), fixed_text(value)}).second;
  auto alike = [&](const std::pair<double, double>& other) {
    return prints_alike(other.first, x) && prints_alike(other.second, value);
  };
  if (std::any_of(seen.extremes.begin(), seen.extremes.end(), alike)) return false;
  if (is_extreme) {
    seen.extremes.push_back({x, value});
    return true;
  }
  if (!seen.near.empty() && x - seen.near.back().first > kPrintedApart) seen.near.clear();
  if (std::any_of(seen.near.begin(), seen.near.end(), alike)) return false;
  seen.near.push_back({x, value});
  if (seen.near.size() > kMostNear) read_by_text(seen);
  return true;
}

// Whether the point elements stand in order along x, as far as they are
// drawn.
bool points_in_order(const BeamRecord& record, const BeamSummary& summary) {
  double last = 0;
  bool any = false;
  for (std::size_t k = 0; k < record.elements.size(); ++k) {
    double x = summary.elements[k].x;
    if (is_segment(record.elements[k]) || !std::isfinite(x)) continue;
    if (any && x < last) return false;
    last = x;
    any = true;
  }
  return true;
}

// The labels wanted, in three lists placed one after the other, most
// important first: the extremes, then in the M diagram each span's field
// moment, then the values at the point elements, each list largest first.
// A value already labelled at the same x is not labelled again, nor one
// that prints as zero: the zero line shows it. They are wanted in the order
// of x, as the spans and the point elements come.
struct WantedLabels {
  std::vector<Wanted> extremes;
  std::vector<Wanted> fields;
  std::vector<Wanted> values;
};

WantedLabels wanted_labels(const BeamRecord& record, const BeamSummary& summary, Quantity q) {
  WantedLabels wanted;
  std::vector<Wanted>& extremes = wanted.extremes;
  std::vector<Wanted>& fields = wanted.fields;
  std::vector<Wanted>& values = wanted.values;
  // As many as there may be, so that a long beam's lists are not grown.
  std::size_t points = 0;
  for (const Element& e : record.elements) points += is_segment(e) ? 0 : 1;
  values.reserve(2 * points);
  if (q == Quantity::M) fields.reserve(summary.spans.size());
  Seen seen;
  if (!points_in_order(record, summary)) read_by_text(seen);
  auto want = [&](std::vector<Wanted>& into, const Wanted& label) {
    if (!is_drawable(label.x, label.value) || is_zero_text(label.value)) return;
    // The two extremes are the only labels out of the order of x.
    bool is_extreme = label.kind == LabelKind::largest || label.kind == LabelKind::smallest;
    if (!first_time(seen, label.x, label.value, is_extreme)) return;
    into.push_back(label);
    into.back().order = static_cast<std::uint32_t>(into.size());
  };
  for (bool largest : {true, false}) {
    const Extreme& e = extreme_of(summary, q, largest);
    want(extremes, {e.x, e.value, Anchor::middle, largest ? LabelKind::largest : LabelKind::smallest});
  }
  std::size_t span = 0;
  int field_number = 0;
  for (std::size_t k = 0; k < record.elements.size(); ++k) {
    // A span's field lies before the support that ends it.
    if (span < summary.spans.size() && summary.spans[span].end == k) {
      const Span& s = summary.spans[span++];
      Extreme field;
      if (!s.is_cantilever) ++field_number;
      if (q == Quantity::M && field_moment(s, summary.elements[s.start].x, summary.elements[s.end].x, field))
        want(fields, {field.x, field.value, Anchor::middle, LabelKind::field, field_number});
    }
    if (is_segment(record.elements[k])) continue;
    const ElementValues& at = summary.elements[k];
    double before = value_of(at.before, q);
    double after = value_of(at.after, q);
    if (prints_alike(before, after)) {
      want(values, {at.x, after, Anchor::middle, LabelKind::value});
    } else {
      want(values, {at.x, before, Anchor::end, LabelKind::value});
      want(values, {at.x, after, Anchor::start, LabelKind::value});
    }
  }
  // Largest first, alike in the order wanted: sorted in place, since the
  // lists of a long beam are long.
  auto larger = [](const Wanted& a, const Wanted& b) {
    double size_a = std::fabs(a.value);
    double size_b = std::fabs(b.value);
    return size_a > size_b || (size_a == size_b && a.order < b.order);
  };
  std::sort(fields.begin(), fields.end(), larger);
  std::sort(values.begin(), values.end(), larger);
  return wanted;
}

}  // namespace

std::string diagram_svg(const Curve& curve, const BeamRecord& record, const BeamSummary& summary,
                        const XScale& scale, Quantity q, const UnitNames& units) {
  Plotted shown = plotted(q);
  std::string out = diagram_start(std::string("diagramm-") + quantity_name(q), shown, units);
  append_diagram_curve(out, curve, shown);
  WantedLabels wanted = wanted_labels(record, summary, q);
  append_labels(out, curve, {&wanted.extremes, &wanted.fields, &wanted.values}, scale, shown, units);
  out.append("</svg>\n");
  return out;
}

}  // namespace dlt
