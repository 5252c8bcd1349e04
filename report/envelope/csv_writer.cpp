#include "report/envelope/csv_writer.h"

#include "report/envelope/tables.h"
#include "report/format/csv.h"

namespace dlt {

void write_envelope_csv(ReportOutput& out, const EnvelopeRun& run) {
  append_csv_header(out.text, envelope_columns());
  EnvelopeWalk walk = start_envelope_walk(run.cases, run.pieces);
  walk.precise = true;
  EnvelopeRow row;
  while (out.error == 0 && next_envelope_row(walk, row)) {
    EnvelopeValues values = combine_row(run.factors, row);
    append_csv_number(out.text, values.x);
    for (Quantity q : kQuantities) {
      out.text.push_back(',');
      append_csv_number(out.text, value_of(values.largest, q));
      out.text.push_back(',');
      append_csv_number(out.text, value_of(values.smallest, q));
    }
    out.text.append("\r\n");
    write_piece(out);
  }
}

}  // namespace dlt
