#include "report/beam_record.h"

#include "engine/segments.h"

namespace dlt {

static Element segment_element(ElementKind kind, const InputValues& in) {
  Element segment;
  segment.kind = kind;
  segment.length = in.length;
  if (kind == ElementKind::beam_segment) {
    segment.EI = in.EI;
  } else {
    segment.E = in.E;
    segment.diameter = in.diameter;
  }
  // The load answer and values stay from the command before where this one
  // did not ask for them; only an answer of 1 loaded the segment.
  segment.loaded = in.load_answer == 1;
  if (segment.loaded) {
    segment.q = in.q;
    segment.qs = in.qs;
  }
  return segment;
}

void record_command(BeamRecord& record, int key, const InputValues& in, Effect effect) {
  if (key == 'a') {
    record.elements.clear();
    record.open = effect != Effect::none;
    if (record.open) {
      Element left;
      left.kind = ElementKind::left_end;
      left.S1 = in.S1;
      left.S2 = in.S2;
      record.elements.push_back(left);
    }
    return;
  }
  if (!record.open || effect == Effect::none) return;
  Element element;
  switch (key) {
    case 'b':
      element.kind = ElementKind::spring;
      element.value = in.c;
      break;
    case 'c':
      element = segment_element(ElementKind::beam_segment, in);
      break;
    case 'd':
      element.kind = ElementKind::point_load;
      element.S1 = in.S1;
      element.value = in.load;
      break;
    case 'e':
      element = segment_element(ElementKind::shaft_segment, in);
      break;
    case 'f':
      element.kind = ElementKind::condition;
      element.S1 = in.S1;
      element.value = in.W1;
      if (effect == Effect::right_end) {
        element.right_end = true;
        element.S2 = in.S2;
        element.W2 = in.W2;
      }
      break;
    default:
      return;
  }
  record.elements.push_back(element);
}

double segment_minus_EI(const Element& segment) {
  if (segment.kind == ElementKind::shaft_segment) return shaft_minus_EI(segment.E, segment.diameter);
  return -segment.EI;
}

bool is_segment(const Element& element) {
  return element.kind == ElementKind::beam_segment || element.kind == ElementKind::shaft_segment;
}

}  // namespace dlt
