#include "report/pass/record.h"

#include <new>

namespace dlt {

void record_command(BeamRecord& record, const CommandEffect& effect) {
  if (effect.effect == Effect::none) return;
  if (effect.effect == Effect::pass_closed) {
    record.open = false;
    record.elements.clear();
    return;
  }
  if (effect.element.kind == ElementKind::left_end) {
    record.open = true;
    record.out_of_memory = false;
    record.pass = record.pass + 1;
    record.elements.clear();
  }
  if (!record.open) return;
  // The pass goes on past a right end: that end is one more condition now,
  // and a later right end completes the beam.
  if (!record.elements.empty() && record.elements.back().kind == ElementKind::right_end)
    record.elements.back() = condition_of(record.elements.back());
  try {
    record.elements.push_back(effect.element);
  } catch (const std::bad_alloc&) {
    std::vector<Element>().swap(record.elements);
    record.open = false;
    record.out_of_memory = true;
  }
}

bool completes_pass(const CommandEffect& effect) {
  return effect.effect == Effect::element && effect.element.kind == ElementKind::right_end;
}

bool is_complete(const BeamRecord& record) {
  return record.open && record.elements.size() >= 2 &&
         record.elements.front().kind == ElementKind::left_end &&
         record.elements.back().kind == ElementKind::right_end;
}

}  // namespace dlt
