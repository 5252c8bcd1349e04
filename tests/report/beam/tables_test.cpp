// The reports from elements alone: a beam solved by applying its elements to
// a register file, as the dialogue applies them, then replayed, summed up
// and laid out by the writers, to the byte.
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "report/beam/page_writer.h"
#include "report/beam/sags.h"
#include "report/beam/statics.h"
#include "report/beam/summary.h"
#include "report/beam/tables.h"
#include "report/beam/text_writer.h"
#include "report/format/numbers.h"
#include "report/format/umlauts.h"

using namespace dlt;

namespace {

Element beam(double length, double EI, double q = 0, double qs = 0) {
  return {.kind = ElementKind::beam_segment,
          .length = length,
          .EI = EI,
          .loaded = q != 0 || qs != 0,
          .q = q,
          .qs = qs};
}

Element action(Quantity S1, double load) {
  return {.kind = ElementKind::point_action, .S1 = S1, .load = load};
}

Element condition(Quantity S1) { return {.kind = ElementKind::condition, .S1 = S1}; }

// The record of a pass and the register file its right end leaves.
struct SolvedBeam {
  BeamRecord record;
  RegisterFile R;
};

SolvedBeam solve(std::vector<Element> elements) {
  SolvedBeam beam;
  beam.record.open = true;
  beam.record.elements = std::move(elements);
  for (const Element& e : beam.record.elements) EXPECT_EQ(apply_element(beam.R, e), Refusal::none);
  return beam;
}

std::string text_report_of(const SolvedBeam& beam, int pieces) {
  CompletePass pass{beam.record, beam.R, pieces};
  BeamSummary summary = summarize_beam(pass);
  return text_report(pass, summary, beam_statics(beam.record, summary));
}

}  // namespace

TEST(TextReport, SimplySupportedBeamToTheByte) {
  SolvedBeam simple = solve({{.kind = ElementKind::left_end, .S1 = Quantity::p, .S2 = Quantity::Q},
                             beam(4, 100, 10),
                             {.kind = ElementKind::right_end, .S1 = Quantity::w, .S2 = Quantity::M}});
  EXPECT_EQ(text_report_of(simple, 4),
            "Durchlauftraeger - Bericht\n"
            "\n"
            "Traeger wie eingegeben\n"
            "           x  Element\n"
            "    0.000000  linkes Traegerende, gelenkiges Lager (unbekannt S1=2, S2=4)\n"
            "    0.000000  Traegerabschnitt (Laenge= 4.000000, EI= 100.000000)\n"
            "              Streckenlast (q= 10.000000, qs= 0.000000)\n"
            "    4.000000  rechtes Traegerende, gelenkiges Lager (S1=1, W1= 0.000000, S2=3, W2= 0.000000)\n"
            "\n"
            "Feldmomente und Stuetzmomente (Feldmomente wo Q = 0 ist; f = Durchbiegung gegen die Sehne durch "
            "die Lager, am Kragarm gegen die Tangente am Lager)\n"
            "  Bereich                      von x       bis x       max M       bei x       min M       bei x"
            "     max |w|       bei x           f       bei x         l/f Stuetzmoment Auflagerkraft\n"
            "  linkes Traegerende        0.000000                                                            "
            "                                                                 0.000000     20.000000\n"
            "  Feld 1                    0.000000    4.000000   20.000000    2.000000    0.000000    0.000000"
            "    0.333333    2.000000    0.333333    2.000000        l/12\n"
            "  rechtes Traegerende       4.000000                                                            "
            "                                                                 0.000000     20.000000\n"
            "\n"
            "Auflagerreaktionen (Kraefte positiv entgegen der Lastrichtung)\n"
            "           x  Auflager                                      Wert\n"
            "    0.000000  linkes Traegerende, Kraft                20.000000\n"
            "    4.000000  rechtes Traegerende, Kraft               20.000000\n"
            "\n"
            "Gleichgewicht der Kraefte\n"
            "  Summe der Lasten                         40.000000\n"
            "  Summe der Auflagerkraefte                40.000000\n"
            "  Differenz                                 0.000000\n"
            "\n"
            "Gleichgewicht der Momente um das linke Traegerende\n"
            "  Summe der Lastmomente                    80.000000\n"
            "  Summe der Auflagermomente                80.000000\n"
            "  Differenz                                 0.000000\n"
            "\n"
            "Extremwerte\n"
            "                    Wert           x\n"
            "  max w         0.333333    2.000000\n"
            "  min w         0.000000    0.000000\n"
            "  max p         0.266667    0.000000\n"
            "  min p        -0.266667    4.000000\n"
            "  max M        20.000000    2.000000\n"
            "  min M         0.000000    0.000000\n"
            "  max Q        20.000000    0.000000\n"
            "  min Q       -20.000000    4.000000\n"
            "\n"
            "Wertetabelle (4 Teile je Abschnitt, an Spruengen links und rechts)\n"
            "           x           w           p           M           Q\n"
            "    0.000000    0.000000    0.266667    0.000000   20.000000\n"
            "    1.000000    0.237500    0.183333   15.000000   10.000000\n"
            "    2.000000    0.333333    0.000000   20.000000    0.000000\n"
            "    3.000000    0.237500   -0.183333   15.000000  -10.000000\n"
            "    4.000000    0.000000   -0.266667    0.000000  -20.000000\n");
}

// A clamped cantilever with a shaft, every point action and a spring,
// carrying a span hung from a hinge over a support, free at its right end.
static SolvedBeam every_kind_of_element() {
  return solve({{.kind = ElementKind::left_end, .S1 = Quantity::M, .S2 = Quantity::Q},
                {.kind = ElementKind::shaft_segment, .length = 1, .E = 210000, .diameter = 40},
                action(Quantity::Q, 100),
                action(Quantity::M, 50),
                action(Quantity::p, 0.001),
                action(Quantity::w, 0.002),
                beam(1, 1000, 10, 5),
                {.kind = ElementKind::spring, .c = 500},
                beam(1, 1000),
                condition(Quantity::M),
                beam(2, 1000, 5),
                condition(Quantity::w),
                beam(1, 1000),
                {.kind = ElementKind::right_end, .S1 = Quantity::M, .S2 = Quantity::Q}});
}

TEST(TextReport, EveryKindOfElementInTheReportsWords) {
  std::string report = text_report_of(every_kind_of_element(), 1);
  EXPECT_EQ(report.substr(0, report.find("\nExtremwerte")),
            "Durchlauftraeger - Bericht\n"
            "\n"
            "Traeger wie eingegeben\n"
            "           x  Element\n"
            "    0.000000  linkes Traegerende, Einspannung (unbekannt S1=3, S2=4)\n"
            "    0.000000  Wellenabschnitt (Laenge= 1.000000, E-Modul= 210000.000000, Durchm.= 40.000000)\n"
            "    1.000000  Einzellast Kraft (S1=4, F= 100.000000)\n"
            "    1.000000  Einzellast Moment (S1=3, M= 50.000000)\n"
            "    1.000000  Einzellast Winkel (S1=2, p= 0.001000)\n"
            "    1.000000  Einzellast Absenkung (S1=1, w= 0.002000)\n"
            "    1.000000  Traegerabschnitt (Laenge= 1.000000, EI= 1000.000000)\n"
            "              Streckenlast (q= 10.000000, qs= 5.000000)\n"
            "    2.000000  elastisches Lager (c= 500.000000)\n"
            "    2.000000  Traegerabschnitt (Laenge= 1.000000, EI= 1000.000000)\n"
            "    3.000000  Gelenk (S1=3, W1= 0.000000)\n"
            "    3.000000  Traegerabschnitt (Laenge= 2.000000, EI= 1000.000000)\n"
            "              Streckenlast (q= 5.000000, qs= 0.000000)\n"
            "    5.000000  Lager (S1=1, W1= 0.000000)\n"
            "    5.000000  Traegerabschnitt (Laenge= 1.000000, EI= 1000.000000)\n"
            "    6.000000  rechtes Traegerende, freies Ende (S1=3, W1= 0.000000, S2=4, W2= 0.000000)\n"
            "\n"
            "Feldmomente und Stuetzmomente (Feldmomente wo Q = 0 ist; f = Durchbiegung gegen die Sehne durch "
            "die Lager, am Kragarm gegen die Tangente am Lager)\n"
            "  Bereich                      von x       bis x       max M       bei x       min M       bei x"
            "     max |w|       bei x           f       bei x         l/f Stuetzmoment Auflagerkraft\n"
            "  linkes Traegerende        0.000000                                                            "
            "                                                               -81.702379    116.267856\n"
            "  Feld 1                    0.000000    2.000000   34.565477    1.000000  -81.702379    0.000000"
            "    0.002464    2.000000   -0.003403    1.157218       l/588\n"
            "  elastisches Lager         2.000000                                                            "
            "                                                                -5.000000      1.232144\n"
            "  Feld 2                    2.000000    5.000000    2.500000    4.000000   -5.000000    2.000000"
            "    0.012307    3.000000    0.010664    3.000000       l/281\n"
            "  Lager                     5.000000                                                            "
            "                                                                 0.000000      5.000000\n"
            "  Kragarm                   5.000000    6.000000    0.000000    5.000000    0.000000    6.000000"
            "    0.007820    6.000000   -0.000000    6.000000           -\n"
            "\n"
            "Auflagerreaktionen (Kraefte positiv entgegen der Lastrichtung)\n"
            "           x  Auflager                                      Wert\n"
            "    0.000000  linkes Traegerende, Kraft               116.267856\n"
            "    0.000000  linkes Traegerende, Einspannmoment M    -81.702379\n"
            "    2.000000  elastisches Lager, Kraft                  1.232144\n"
            "    5.000000  Lager, Kraft                              5.000000\n"
            "\n"
            "Gleichgewicht der Kraefte\n"
            "  Summe der Lasten                        122.500000\n"
            "  Summe der Auflagerkraefte               122.500000\n"
            "  Differenz                                -0.000000\n"
            "\n"
            "Gleichgewicht der Momente um das linke Traegerende\n"
            "  Summe der Lastmomente                   109.166667\n"
            "  Summe der Auflagermomente               109.166667\n"
            "  Differenz                                -0.000000\n");
}

TEST(ReportPage, TablesHoldTheSameCellsAsTheTextReport) {
  SolvedBeam beam = every_kind_of_element();
  CompletePass pass{beam.record, beam.R, 2};
  BeamSummary summary = summarize_beam(pass);
  Statics statics = beam_statics(beam.record, summary);
  std::string page = html_report(pass, summary, statics);
  std::string text = text_report(pass, summary, statics);
  // The page names sigma in Greek, the text report in ASCII.
  UnitNames page_names = unit_names({}, UnitForm::page);
  std::vector<Table> page_tables = summary_tables(beam.record, summary, statics, page_names);
  UnitNames text_names;
  std::vector<Table> text_tables = summary_tables(beam.record, summary, statics, text_names);
  ASSERT_EQ(page_tables.size(), 6U);
  for (std::size_t t = 0; t < page_tables.size(); ++t) {
    const std::string& heading = page_tables[t].heading;
    EXPECT_NE(page.find("<h2>" + with_umlauts(heading) + "</h2>"), std::string::npos) << heading;
    EXPECT_NE(text.find("\n" + text_tables[t].heading + "\n"), std::string::npos) << heading;
    std::vector<Cell> row;
    std::vector<Cell> text_row;
    while (page_tables[t].next_row(row)) {
      ASSERT_TRUE(text_tables[t].next_row(text_row));
      for (std::size_t i = 0; i < row.size(); ++i) {
        const Cell& cell = row[i];
        // The page writes numbers for reading and words in German spelling.
        std::string shown = cell.has_value
                                ? reading_text(cell.value)
                                : with_umlauts(cell.page_text.empty() ? cell.text : cell.page_text);
        std::string td = cell.is_number ? "<td class=\"n\">" + shown + "</td>" : "<td>" + shown + "</td>";
        EXPECT_NE(page.find(td), std::string::npos) << td;
        EXPECT_NE(text.find(text_row.at(i).text), std::string::npos) << text_row[i].text;
        if (cell.is_number) {
          EXPECT_EQ(cell.text, text_row[i].text);
        }
      }
    }
  }
}

TEST(SpanSags, TheRatioOfLengthToSagAsAWholeNumber) {
  EXPECT_EQ(sag_ratio_text(7.74, 0.001), "l/7740");
  EXPECT_EQ(sag_ratio_text(7.74, -0.001), "l/7740");
  EXPECT_EQ(sag_ratio_text(5, 2), "l/3");  // 2.5, away from zero
  EXPECT_EQ(sag_ratio_text(4, 0.333333), "l/12");
  // No sag, or one under the rounding of the positions: no ratio.
  EXPECT_EQ(sag_ratio_text(4, 0), "-");
  EXPECT_EQ(sag_ratio_text(4, -0.0), "-");
  EXPECT_EQ(sag_ratio_text(1, 1e-18), "-");
  EXPECT_EQ(sag_ratio_text(1, std::nan("")), "-");
  EXPECT_EQ(sag_ratio_text(1, std::numeric_limits<double>::infinity()), "l/0");
}
