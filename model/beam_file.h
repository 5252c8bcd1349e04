// A beam file as read: the beam once (its ends, segments, supports, hinges
// and springs by x), its load cases by name, the loads and point actions of
// each where they act, settlements and end rotations, and the places whose
// values are wanted. Every value keeps the line and column it stands at in
// the file, so that a fault found later can point at it.
//
// model/ reads beam files and builds the elements of the engine from them;
// it includes engine/ and console/ and nothing above them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace dlt {

// Where a value stands in the file: line and column from 1, as the TOML
// reader counts them (columns in code points).
struct FilePlace {
  int line = 1;
  int column = 1;
};

// What is wrong with a file, in German, and where.
struct FileFault {
  FilePlace place;
  std::string what;
};

// How an end of the beam is held: which two quantities are zero there.
enum class EndKind {
  pinned,   // "gelenkig": w = M = 0
  clamped,  // "eingespannt": w = p = 0
  free,     // "frei": M = Q = 0
  guided,   // "gefuehrt": p = Q = 0
};

// A segment: its length and EI, or E and d for a round shaft (EI zero then).
struct FileSegment {
  double length = 0;
  double EI = 0;
  double E = 0;
  double diameter = 0;
  bool shaft = false;
  FilePlace place;
};

// Something of the beam itself at a point: a support, a hinge, a spring
// (with c), a place whose values are wanted. The place is that of its x.
struct FilePoint {
  double x = 0;
  double c = 0;
  FilePlace place;
};

// What acts at a point in one load case: a force, moment, kink or offset (by
// how much its quantity drops), a settlement (w) or an end's rotation (p).
enum class ActionKind { force, moment, kink, offset, settlement, rotation };

struct FileAction {
  ActionKind kind = ActionKind::force;
  std::size_t load_case = 0;
  double x = 0;
  double value = 0;
  FilePlace place;  // that of its x
};

// A distributed load of one load case: q at from, linear to q_to at to.
struct FileLoad {
  std::size_t load_case = 0;
  double from = 0;
  double to = 0;
  double q = 0;
  double q_to = 0;
  FilePlace place;  // the load's table
  FilePlace from_place;
  FilePlace to_place;
};

struct BeamFile {
  bool has_title = false;
  std::string title;
  FilePlace title_place;
  bool has_units = false;
  std::string force_unit;
  std::string length_unit;
  FilePlace units_place;
  EndKind left = EndKind::pinned;
  EndKind right = EndKind::pinned;
  FilePlace left_place;
  FilePlace right_place;
  std::vector<FileSegment> segments;
  std::vector<FilePoint> supports;
  std::vector<FilePoint> hinges;
  std::vector<FilePoint> springs;
  std::vector<FilePoint> places;
  // At least one; the first is the permanent load. Without the key in the
  // file, one case named "g".
  std::vector<std::string> load_cases;
  std::vector<FileLoad> loads;
  std::vector<FileAction> actions;
};

// Reads the text of a beam file: TOML with every key checked. False, with
// the first fault, where it is no beam file. Checks the keys, types and
// single values (finite numbers, lengths and stiffnesses above zero, known
// load-case names); where they lie along the beam is build_passes' to check.
bool read_beam_file(const std::string& text, BeamFile& file, FileFault& fault);

}  // namespace dlt
