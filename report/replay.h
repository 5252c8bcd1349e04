// The course of w, p, M and Q along a complete beam, made by the engine
// itself: a second pass over the recorded elements that stops after every
// piece of every segment and on both sides of every point element, as a user
// would with key g. Between table points it also stops where a quantity has
// its extreme inside a piece.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/register_file.h"
#include "engine/results.h"
#include "report/beam_record.h"

namespace dlt {

// Pieces a segment is divided into where nothing else is asked for, and
// the most that may be asked for.
constexpr int kDefaultPieces = 10;
constexpr int kMaxPieces = 1000;

struct TableRow {
  double x = 0;
  PointValues at;
};

// The rows of element k of the record: the last row before it and the row
// just after it (the same row for the left and the right end), and its x (a
// segment's x is where it starts).
struct ElementRows {
  std::size_t before = 0;
  std::size_t after = 0;
  double x = 0;
};

// The largest or smallest value of one quantity, and the first x where the
// course takes it.
struct Extreme {
  double value = 0;
  double x = 0;
};

enum Quantity { kW, kP, kM, kQ, kQuantityCount };

struct BeamCourse {
  std::vector<TableRow> rows;
  std::vector<ElementRows> elements;
  Extreme largest[kQuantityCount];
  Extreme smallest[kQuantityCount];
};

// The value of quantity q (kW to kQ) in at, and its name ("w").
double quantity(const PointValues& at, int q);
const char* quantity_name(int q);

// "max w" or "min w": an extreme of quantity q as the reports name it.
std::string extreme_name(int q, bool largest);

// Replays a complete pass: record holds a left end first and a condition that
// was the right end last, and solved is the register file as that right end
// left it. Each segment is divided into `pieces` equal pieces (a segment of
// length zero into one), its load given again at each piece's start. solved
// is not changed.
// REQUIRES: record is complete in that sense and pieces >= 1.
BeamCourse replay_beam(const BeamRecord& record, const RegisterFile& solved, int pieces);

// Whether record holds a complete pass: a left end first and a right end
// last.
bool is_complete(const BeamRecord& record);

// The length of each piece of segment when divided into pieces, and the
// number of pieces it is divided into.
int pieces_of(const Element& segment, int pieces);
double piece_length(const Element& segment, int pieces);

// The distributed load at the start of piece i of segment, with each piece
// as long as piece_length gives; zero where the segment is not loaded.
double piece_load(const Element& segment, int pieces, int i);

}  // namespace dlt
