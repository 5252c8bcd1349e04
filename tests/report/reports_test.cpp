// The door to the reports: a beam handed over whole writes what the same
// beam typed into the dialogue writes, byte for byte, and a beam that the
// dialogue would refuse writes nothing and says where it fails.
#include <cstddef>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/menu.h"
#include "console/stream.h"
#include "report/envelope/envelope_files.h"
#include "report/reports.h"
#include "tests/support/passes.h"
#include "tests/support/scratch_directory.h"

using namespace dlt;

namespace {

std::string contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

const char* const kFiles[] = {"r.txt", "r.csv", "r.html", "g.txt", "g.csv", "g.html"};

ReportOptions options_in(const ScratchDirectory& dir) {
  ReportOptions options;
  options.files = {dir.file("r.txt"), dir.file("r.csv"), dir.file("r.html")};
  options.envelope_files = {dir.file("g.txt"), dir.file("g.csv"), dir.file("g.html")};
  options.pieces = 4;
  options.labels = {"Pos. 1", {"kN", "m"}};
  return options;
}

// The lines of text that hold the notices of the files written, with the
// directory's name taken out.
std::string notices(const std::string& text, const ScratchDirectory& dir) {
  std::string kept;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    std::size_t at = line.find("geschrieben: ");
    if (at == std::string::npos && line.find("Lastfaelle beginnen") == std::string::npos) continue;
    // What the dialogue printed before the notice on its line: its prompt.
    std::size_t from = line.rfind("Bericht", at);
    if (from == std::string::npos || line.find("Grenzwerte") < from) from = line.find("Grenzwerte");
    if (from == std::string::npos) from = line.find("neuer");
    line = line.substr(from);
    for (std::size_t p; (p = line.find(dir.path)) != std::string::npos;) line.erase(p, dir.path.size());
    kept += line + "\n";
  }
  return kept;
}

// Two spans of 4 with EI 100: q = 10 on both as the permanent load, then 20
// on the first span alone, and on the second with a force of 30 in it.
BeamCases two_spans() {
  Element left = left_end_with(Quantity::p, Quantity::Q);
  Element support = condition_on(Quantity::w);
  Element right = right_end_with(Quantity::w, Quantity::M);
  return {
      {left, beam_segment(4, 100, 10, 0), support, beam_segment(4, 100, 10, 0), right},
      {left, beam_segment(4, 100, 20, 0), support, beam_segment(4, 100), right},
      {left, beam_segment(4, 100), support, beam_segment(1, 100, 20, 0), point_action(Quantity::Q, 30),
       beam_segment(3, 100, 20, 0), right},
  };
}

// The notice of the one span of 5 after the two spans of 4: the first
// difference along the beam is where it ends.
const char kOneSpanNotice[] =
    "neuer Traeger (rechtes Ende bei x= 5.000000 statt 8.000000), Lastfaelle beginnen bei 1\n";

const char kTwoSpansScript[] =
    "a 2 4\nc 4 100 1 10 0\nf 1 0 0\nc 4 100 1 10 0\nf 1 0 1 3 0\n"
    "a 2 4\nc 4 100 1 20 0\nf 1 0 0\nc 4 100 0\nf 1 0 1 3 0\n"
    "a 2 4\nc 4 100 0\nf 1 0 0\nc 1 100 1 20 0\nd 4 30\nc 3 100 1 20 0\nf 1 0 1 3 0\nq";

}  // namespace

TEST(ReportBeam, WritesWhatTheDialogueWritesForTheSameBeam) {
  ScratchDirectory whole;
  ScratchDirectory typed;
  console_open_script("");
  // As a script console is, the dialogue's input is piped: the files are
  // written once at the end, and so they are for the beam given whole.
  ReportOptions options = options_in(whole);
  options.write_at_end = true;
  ReportSession session = start_reports(options);
  BeamReported reported = report_beam(session, two_spans());
  std::string whole_output = console_take_output();
  EXPECT_EQ(reported.fault, BeamFault::none);
  EXPECT_TRUE(reported.all_written);
  EXPECT_EQ(last_beam(session.cases).cases.size(), 3U);

  console_open_script(kTwoSpansScript);
  EXPECT_EQ(run_menu(options_in(typed)), 0);
  std::string typed_output = console_take_output();

  // Nothing but the notices, the same as the dialogue's, file by file.
  EXPECT_EQ(notices(whole_output, whole), whole_output.empty() ? "" : notices(typed_output, typed));
  EXPECT_EQ(whole_output.find("Durchlauftraeger,i Info"), std::string::npos);
  EXPECT_NE(whole_output.find("Grenzwerte geschrieben: " + whole.file("g.txt") + " (3 Lastfaelle)"),
            std::string::npos);
  for (const char* name : kFiles) {
    std::string file = contents(whole.file(name));
    EXPECT_FALSE(file.empty()) << name;
    EXPECT_EQ(file, contents(typed.file(name))) << name;
  }
}

TEST(ReportBeam, ABeamTheDialogueWouldRefuseWritesNothingAndSaysWhere) {
  Element left = left_end_with(Quantity::p, Quantity::Q);
  Element right = right_end_with(Quantity::w, Quantity::M);
  struct Case {
    BeamCases cases;
    BeamFault fault;
    Refusal refusal;
    std::size_t load_case;
    std::size_t element;
  };
  const Case kCases[] = {
      // A hinge at a pinned left end releases nothing.
      {{{left, condition_on(Quantity::M), beam_segment(4, 100), right}},
       BeamFault::refused,
       Refusal::undetermined_condition,
       0,
       1},
      // The second load case repeats the left end's codes.
      {{{left, beam_segment(4, 100, 10, 0), right}, {left_end_with(Quantity::Q, Quantity::Q), right}},
       BeamFault::refused,
       Refusal::same_codes,
       1,
       0},
      // No right end, a right end before the last element, no left end
      // first, and a load case of nothing.
      {{{left, beam_segment(4, 100, 10, 0)}}, BeamFault::misplaced_end, Refusal::none, 0, 1},
      {{{left, right, beam_segment(4, 100), right}}, BeamFault::misplaced_end, Refusal::none, 0, 1},
      {{{beam_segment(4, 100), left, right}}, BeamFault::misplaced_end, Refusal::none, 0, 0},
      {{{left, beam_segment(4, 100, 10, 0), condition_on(Quantity::w), beam_segment(4, 100), right}, {}},
       BeamFault::misplaced_end,
       Refusal::none,
       1,
       0},
  };
  for (const Case& c : kCases) {
    ScratchDirectory dir;
    console_open_script("");
    ReportSession session = start_reports(options_in(dir));
    BeamReported reported = report_beam(session, c.cases);
    EXPECT_EQ(console_take_output(), "");
    EXPECT_EQ(reported.fault, c.fault);
    EXPECT_EQ(reported.refusal, c.refusal);
    EXPECT_EQ(reported.load_case, c.load_case);
    EXPECT_EQ(reported.element, c.element);
    EXPECT_EQ(dir.entries(), 0);
    EXPECT_TRUE(session.cases.beams.empty());
  }
}

TEST(ReportSession, WithoutFilesNothingIsKept) {
  ReportSession session = start_reports({});
  RegisterFile R;
  Element left = left_end_with(Quantity::p, Quantity::Q);
  ASSERT_EQ(apply_element(R, left), Refusal::none);
  EXPECT_TRUE(report_command(session, {Effect::element, left}, R));
  EXPECT_TRUE(session.record.elements.empty());
  EXPECT_EQ(session.record.pass, 0U);
}

TEST(ReportSession, BeamFilesTakeTheLoadCasesOnceAndOnlyTheEnvelopeTellsOfANewBeam) {
  ScratchDirectory dir;
  Element left = left_end_with(Quantity::p, Quantity::Q);
  Element right = right_end_with(Quantity::w, Quantity::M);
  // The two spans' three load cases, then a beam of one span.
  BeamCases cases = two_spans();
  cases.push_back({left, beam_segment(5, 100, 1, 0), right});
  std::string beam_file = dir.file("t.html");
  std::string written = "Traegerdatei geschrieben: " + beam_file;
  const std::string kOneSpan =
      "links = \"gelenkig\"\n"
      "rechts = \"gelenkig\"\n"
      "abschnitte = [\n"
      "  { laenge = 5, EI = 100 },\n"
      "]\n"
      "streckenlasten = [\n"
      "  { von = 0, bis = 5, q = 1 },\n"
      "]\n";

  ReportOptions options;
  options.beam_files = {beam_file};
  console_open_script("");
  ReportSession session = start_reports(options);
  BeamReported reported = report_beam(session, {cases.begin(), cases.end() - 1});
  EXPECT_TRUE(reported.all_written);
  EXPECT_EQ(console_take_output(),
            written + " (1 Lastfaelle)\n" + written + " (2 Lastfaelle)\n" + written + " (3 Lastfaelle)\n");
  std::string three = contents(beam_file);
  EXPECT_NE(three.find("\nlastfaelle = [\"LF1\", \"LF2\", \"LF3\"]\n"), std::string::npos) << three;
  EXPECT_NE(three.find("\n  { lastfall = \"LF3\", x = 5, F = 30 },\n"), std::string::npos) << three;
  // The new beam starts its load cases at 1, without the envelope's
  // notice; the two spans' are kept beside them.
  report_beam(session, {cases.back()});
  EXPECT_EQ(console_take_output(), written + " (1 Lastfaelle)\n");
  ASSERT_EQ(session.cases.beams.size(), 2U);
  EXPECT_EQ(session.cases.beams[0].cases.size(), 3U);
  EXPECT_EQ(last_beam(session.cases).cases.size(), 1U);
  std::string one = contents(beam_file);
  EXPECT_EQ(one.substr(one.find('\n') + 1), kOneSpan);

  // With envelope files as well: the same load cases, and the envelope's
  // notice before its own.
  options.envelope_files = {dir.file("g.txt")};
  session = start_reports(options);
  report_beam(session, cases);
  std::string envelope = "Grenzwerte geschrieben: " + dir.file("g.txt");
  std::string output = console_take_output();
  EXPECT_EQ(output.substr(output.rfind(envelope + " (3")),
            envelope + " (3 Lastfaelle)\n" + written + " (3 Lastfaelle)\n" + kOneSpanNotice + envelope +
                " (1 Lastfaelle)\n" + written + " (1 Lastfaelle)\n");
  EXPECT_EQ(contents(beam_file), one);
}

TEST(ReportBeam, AThousandLoadCasesOfTenSpansHaveTheirEnvelope) {
  // Ten spans of 6 under q = 10, and a thousand load cases, each with a
  // heavier load on one span: the envelope's rows times its load cases are
  // what the bound counts, far below it.
  ScratchDirectory dir;
  Element left = left_end_with(Quantity::p, Quantity::Q);
  BeamCases cases;
  for (int c = 0; c < 1000; ++c) {
    std::vector<Element> pass = {left};
    for (int span = 0; span < 10; ++span) {
      pass.push_back(beam_segment(6, 30000, span == c % 10 ? 11 + c : 10, 0));
      pass.push_back(span < 9 ? condition_on(Quantity::w) : right_end_with(Quantity::w, Quantity::M));
    }
    cases.push_back(pass);
  }
  ReportOptions options;
  options.envelope_files = {dir.file("g.csv")};
  options.write_at_end = true;
  console_open_script("");
  ReportSession session = start_reports(options);
  BeamReported reported = report_beam(session, cases);
  EXPECT_TRUE(reported.all_written);
  // Written once, over all of them.
  EXPECT_EQ(console_take_output(), "Grenzwerte geschrieben: " + dir.file("g.csv") + " (1000 Lastfaelle)\n");
  std::string csv = contents(dir.file("g.csv"));
  EXPECT_NE(csv.find("\r\n60,"), std::string::npos) << csv.substr(0, 200);
}

TEST(ReportEnvelope, MoreRowsOfAllLoadCasesThanTheBoundAreRefusedBeforeAnyWork) {
  // Two load cases of 100,000 segments in 1000 pieces each: every row holds
  // both, so twice 100 million; only the records are looked at.
  ScratchDirectory dir;
  LoadCases cases;
  for (int c = 0; c < 2; ++c) {
    LoadCase load_case;
    load_case.record.open = true;
    load_case.record.elements.push_back(left_end_with(Quantity::p, Quantity::Q));
    load_case.record.elements.resize(100001, beam_segment(1, 100, c + 1.0, 0));
    load_case.record.elements.push_back(right_end_with(Quantity::w, Quantity::M));
    cases.cases.push_back(load_case);
  }
  ReportSettings settings;
  settings.pieces = 1000;
  console_open_script("");
  EXPECT_FALSE(write_envelope_of({dir.file("g.txt")}, settings, {}, cases));
  EXPECT_EQ(console_take_output(), "Grenzwerte nicht geschrieben: " + dir.file("g.txt") +
                                       ": mehr als 100000000 Tabellenzeilen aller Lastfaelle\n");
  EXPECT_EQ(dir.entries(), 0);
}

namespace {

// Hands a pass to the session command by command, as the menu loop does.
bool hand_over(ReportSession& session, Passes& entered, const std::vector<Element>& elements) {
  bool written = true;
  for (const Element& e : elements) {
    EXPECT_EQ(apply_element(entered.R, e), Refusal::none);
    if (!report_command(session, {Effect::element, e}, entered.R)) written = false;
  }
  return written;
}

}  // namespace

TEST(ReportSession, WritingAtTheEndWritesTheOldBeamWhereANewOneBeginsAndTheLastAtTheEnd) {
  ScratchDirectory dir;
  ScratchDirectory alone;
  Element left = left_end_with(Quantity::p, Quantity::Q);
  Element right = right_end_with(Quantity::w, Quantity::M);
  BeamCases cases = two_spans();
  std::vector<Element> one_span = {left, beam_segment(5, 100, 1, 0), right};
  ReportOptions options = options_in(dir);
  options.beam_files = {dir.file("t.toml")};
  options.write_at_end = true;
  std::string written = "Bericht geschrieben: " + dir.file("r.txt") +
                        "\nBericht geschrieben: " + dir.file("r.csv") +
                        "\nBericht geschrieben: " + dir.file("r.html") + "\n";
  auto case_notices = [&](const char* count) {
    std::string notices;
    for (const char* name : {"g.txt", "g.csv", "g.html"})
      notices += "Grenzwerte geschrieben: " + dir.file(name) + " (" + count + " Lastfaelle)\n";
    return notices + "Traegerdatei geschrieben: " + dir.file("t.toml") + " (" + count + " Lastfaelle)\n";
  };

  console_open_script("");
  ReportSession session = start_reports(options);
  Passes entered;
  for (const std::vector<Element>& pass : cases) EXPECT_TRUE(hand_over(session, entered, pass));
  EXPECT_EQ(console_take_output(), "");
  EXPECT_EQ(dir.entries(), 0);
  // The new beam's right end: the two spans' files first, over their three
  // load cases, then the envelope's notice of the new beam.
  EXPECT_TRUE(hand_over(session, entered, one_span));
  EXPECT_EQ(console_take_output(), written + case_notices("3") + kOneSpanNotice);
  std::string two_spans_envelope = contents(dir.file("g.txt"));
  EXPECT_NE(two_spans_envelope.find("\n  Feld 2 "), std::string::npos) << two_spans_envelope;
  // The last pass gone on past its right end, and a pass begun after it,
  // change nothing that is written.
  EXPECT_TRUE(hand_over(session, entered, {beam_segment(1, 100, 3, 0), condition_on(Quantity::w)}));
  EXPECT_TRUE(hand_over(session, entered, {left, beam_segment(2, 100, 7, 0)}));
  EXPECT_TRUE(finish_reports(session));
  EXPECT_EQ(console_take_output(), written + case_notices("1"));
  EXPECT_TRUE(finish_reports(session));
  EXPECT_EQ(console_take_output(), "");
  EXPECT_EQ(contents(dir.file("g.txt")).find("\n  Feld 2 "), std::string::npos);

  // The same files as the one span's pass alone leaves.
  ReportOptions alone_options = options_in(alone);
  alone_options.beam_files = {alone.file("t.toml")};
  ReportSession single = start_reports(alone_options);
  report_beam(single, {one_span});
  console_take_output();
  for (const char* name : {"r.txt", "r.csv", "r.html", "g.txt", "g.csv", "g.html", "t.toml"})
    EXPECT_EQ(contents(dir.file(name)), contents(alone.file(name))) << name;
}

TEST(ReportSession, WritingAtTheEndAPassWithoutItsRecordSaysSoAtOnceAndKeepsTheOneBefore) {
  ScratchDirectory dir;
  ScratchDirectory alone;
  BeamCases cases = two_spans();
  ReportOptions options = options_in(dir);
  options.write_at_end = true;
  console_open_script("");
  ReportSession session = start_reports(options);
  Passes entered;
  EXPECT_TRUE(hand_over(session, entered, cases[0]));
  // Memory ran out for the second pass's record: its right end cannot be
  // taken, and every file says so there.
  EXPECT_TRUE(hand_over(session, entered, {cases[1].begin(), cases[1].end() - 1}));
  session.record = {.open = false, .elements = {}, .out_of_memory = true, .pass = session.record.pass};
  EXPECT_FALSE(hand_over(session, entered, {cases[1].back()}));
  std::string refused;
  for (const char* name : {"r.txt", "r.csv", "r.html"})
    refused += "Bericht nicht geschrieben: " + dir.file(name) + ": Speicher reicht nicht\n";
  for (const char* name : {"g.txt", "g.csv", "g.html"})
    refused += "Grenzwerte nicht geschrieben: " + dir.file(name) + ": Speicher reicht nicht\n";
  EXPECT_EQ(console_take_output(), refused);
  // At the end the first pass's files, as the first pass alone writes them.
  EXPECT_TRUE(finish_reports(session));
  std::string at_end = console_take_output();
  ReportSession single = start_reports(options_in(alone));
  report_beam(single, {cases[0]});
  EXPECT_EQ(notices(at_end, dir), notices(console_take_output(), alone));
  EXPECT_NE(at_end.find("(1 Lastfaelle)"), std::string::npos) << at_end;
  for (const char* name : kFiles) EXPECT_EQ(contents(dir.file(name)), contents(alone.file(name))) << name;
}
