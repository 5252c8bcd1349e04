// The course of w, p, M and Q along a complete beam, made by the engine
// itself: a second pass over the recorded elements, applied as the dialogue
// applied them, that stops after the left end, after every piece of every
// segment and after every point element, as a user would with key g. The
// rows come one at a time from a walk, so that no report need hold its
// table; a walk may also stop where a quantity has its extreme inside a
// piece or where p takes a given slope, and look into every piece at the
// drawing's resolution.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/element.h"
#include "engine/register_file.h"
#include "engine/results.h"
#include "report/pass/record.h"

namespace dlt {

// Pieces a segment is divided into where nothing else is asked for, and
// the most that may be asked for.
constexpr int kDefaultPieces = 10;
constexpr int kMaxPieces = 1000;

// The parts a piece of a segment is looked into for a drawing with
// units_per_length drawing units to a length: one a drawing unit, so that a
// curve drawn through them shows no corner between table points; at least
// one (the piece whole), at most kMaxPieces.
int drawing_parts(double piece_length, double units_per_length);

// A complete pass as the reports see it: its record (a left end first, a
// right end last), the register file as its right end left it (or the
// closed_copy of it, which replays the same and is cheaper to copy for each
// walk), and the pieces each segment is divided into (at least one).
struct CompletePass {
  const BeamRecord& record;
  const RegisterFile& solved;
  int pieces = kDefaultPieces;
};

struct TableRow {
  double x = 0;
  PointValues at;
};

// A replay under way. Its own copy of the register file walks the pass; the
// right end is not determined again, so the unknowns stay the pass's own.
struct Walk {
  const std::vector<Element>* elements = nullptr;
  RegisterFile R;
  int pieces = 1;
  bool find_extremes = false;
  double units_per_length = 0;  // the drawing's resolution; 0 for none
  bool precise = false;         // rows of precise_values, for the CSV, not shown_values
  std::size_t next = 0;         // the element the next row comes from
  int piece = 0;                // the next piece of that element, where it is a segment
  double x = 0;                 // where that element starts; at the end, the right end's x
  PointValues last;             // the values at the last row
  // Set by next_row: the element the row comes from and where it starts,
  // and, where find_extremes is set, the points strictly inside the piece
  // just walked where one of w, p, M or Q may have its extreme, in order
  // along the piece; and where units_per_length is set, the points
  // dividing that piece into its drawing_parts, in order along it.
  std::size_t element = 0;
  double element_x = 0;
  std::vector<TableRow> inside;
  std::vector<TableRow> drawn;
  // Where find_slope is set, next_row also gives the points strictly inside
  // the piece just walked where p equals slope, in order along it; the
  // caller may change slope before each row.
  bool find_slope = false;
  double slope = 0;
  std::vector<TableRow> at_slope;
};

Walk start_walk(const CompletePass& pass, bool find_extremes);

// A walk for drawing, at units_per_length drawing units to a length: its
// rows are the table's, with the points between them in drawn.
Walk start_drawing_walk(const CompletePass& pass, double units_per_length);

// The next row of the table: after the left end, after a piece of a
// segment, or after a point element. False once the right end is reached:
// nothing lies beyond it.
bool next_row(Walk& walk, TableRow& row);

// How many rows a walk of elements gives: one after the left end, one after
// every piece of every segment, one after every point element.
std::uint64_t table_rows(const std::vector<Element>& elements, int pieces);

// The number of pieces a segment is divided into (one where its length is
// zero), and the length of each.
int pieces_of(const Element& segment, int pieces);
double piece_length(const Element& segment, int pieces);

// The distributed load at the start of piece i of segment; zero where the
// segment is not loaded.
double piece_load(const Element& segment, int pieces, int i);

}  // namespace dlt
