// The beam file reader: the values it takes and where it finds faults, and
// the guard that keeps characters from the TOML reader that it cannot
// classify without undefined behaviour.
#include "model/beam_file.h"

#include <gtest/gtest.h>

#include <string>

#include "model/toml_guard.h"

namespace dlt {
namespace {

constexpr char kBeam[] =
    "links = \"gelenkig\"\n"
    "rechts = \"frei\"\n"
    "abschnitte = [{ laenge = 4, EI = 100 }, { laenge = 2.5, E = 2.1e8, d = 0.3 }]\n";

FileFault fault_of(const std::string& text) {
  BeamFile file;
  FileFault fault;
  EXPECT_FALSE(read_beam_file(text, file, fault)) << text;
  return fault;
}

TEST(BeamFileReader, TakesEveryKeyInAnyOrder) {
  std::string text =
      "stellen = [1, 2.5]\n"
      "momente = [{ x = 3, M = -2, lastfall = \"q\" }]\n"
      "lastfaelle = [\"g\", \"q\"]\n"
      "streckenlasten = [{ lastfall = \"g\", von = 0, bis = 6.5, q = 1 },\n"
      "                  { lastfall = \"q\", von = 1, bis = 2, q = 3, q_bis = 4 }]\n"
      "titel = \"Pos. 1\"\n"
      "einheiten = [\"kN\", \"m\"]\n"
      "federn = [{ c = 5, x = 6.5 }]\n" +
      std::string(kBeam);
  BeamFile file;
  FileFault fault;
  ASSERT_TRUE(read_beam_file(text, file, fault)) << fault.what;
  EXPECT_EQ(file.left, EndKind::pinned);
  EXPECT_EQ(file.right, EndKind::free);
  ASSERT_EQ(file.segments.size(), 2U);
  EXPECT_EQ(file.segments[1].length, 2.5);
  EXPECT_TRUE(file.segments[1].shaft);
  EXPECT_EQ(file.segments[1].E, 2.1e8);
  EXPECT_EQ(file.segments[1].diameter, 0.3);
  EXPECT_EQ(file.title, "Pos. 1");
  EXPECT_EQ(file.force_unit, "kN");
  EXPECT_EQ(file.length_unit, "m");
  ASSERT_EQ(file.loads.size(), 2U);
  EXPECT_EQ(file.loads[0].q_to, 1.0);  // q_bis left out: uniform
  EXPECT_EQ(file.loads[1].load_case, 1U);
  EXPECT_EQ(file.loads[1].q_to, 4.0);
  ASSERT_EQ(file.actions.size(), 1U);
  EXPECT_EQ(file.actions[0].kind, ActionKind::moment);
  EXPECT_EQ(file.actions[0].value, -2.0);
  EXPECT_EQ(file.actions[0].load_case, 1U);
  // Where the x stands, for faults found later.
  EXPECT_EQ(file.actions[0].place.line, 2);
  EXPECT_EQ(file.actions[0].place.column, 18);
  EXPECT_EQ(file.springs[0].c, 5.0);
  ASSERT_EQ(file.places.size(), 2U);
  EXPECT_EQ(file.places[1].x, 2.5);
}

TEST(BeamFileReader, OneLoadCaseNeedsNoNames) {
  BeamFile file;
  FileFault fault;
  ASSERT_TRUE(read_beam_file(std::string(kBeam) + "einzellasten = [{ x = 1, F = 2 }]\n", file, fault));
  ASSERT_EQ(file.load_cases.size(), 1U);
  EXPECT_EQ(file.actions[0].load_case, 0U);
  ASSERT_TRUE(read_beam_file(std::string(kBeam) + "lastfaelle = [\"eigen\"]\nwinkel = [{ x = 1, p = 2 }]\n",
                             file, fault));
  EXPECT_EQ(file.load_cases[0], "eigen");
}

TEST(BeamFileReader, FaultsStandWhereTheValueStands) {
  struct Case {
    std::string text;
    int line, column;
    std::string what;
  };
  const Case cases[] = {
      {std::string(kBeam) + "lagr = [1]\n", 4, 1, "unbekannter Schluessel 'lagr'"},
      {std::string(kBeam) + "federn = [{ x = 1, k = 2 }]\n", 4, 20, "unbekannter Schluessel 'k'"},
      {std::string(kBeam) + "lager = [\"1\"]\n", 4, 10, "x muss eine Zahl sein"},
      {std::string(kBeam) + "lager = 1\n", 4, 9, "lager muss eine Liste sein"},
      {std::string(kBeam) + "federn = [1]\n", 4, 11,
       "jeder Eintrag in federn muss eine Tabelle { ... } sein"},
      {std::string(kBeam) + "stellen = [nan]\n", 4, 12, "x muss eine endliche Zahl sein"},
      {std::string(kBeam) + "einzellasten = [{ x = 1, F = -inf }]\n", 4, 30,
       "F muss eine endliche Zahl sein"},
      {"rechts = \"frei\"\nabschnitte = [{ laenge = 1, EI = 1 }]\n", 1, 1, "links fehlt"},
      {"links = \"frei\"\nrechts = \"frei\"\n", 1, 1, "abschnitte fehlt"},
      {"links = \"frei\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 1 }, { EI = 1 }]\n", 3, 15,
       "EI fehlt (oder E und d)"},
      {"links = \"frei\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 1, EI = 1 }, { EI = 1 }]\n", 3,
       39, "laenge fehlt"},
      {"links = \"frei\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 0, EI = 1 }]\n", 3, 26,
       "laenge muss groesser als 0 sein"},
      {"links = \"frei\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 1, E = 1, d = -2 }]\n", 3, 40,
       "d muss groesser als 0 sein"},
      {"links = \"frei\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 1, EI = 1, d = 2 }]\n", 3, 41,
       "EI oder E und d, nicht beides"},
      {"links = \"frei\"\nrechts = \"eingespannt\"\nabschnitte = [{ laenge = 1, E = 1 }]\n", 3, 15,
       "d fehlt"},
      {"links = \"lose\"\nrechts = \"frei\"\n", 1, 9,
       "links muss \"gelenkig\", \"eingespannt\", \"frei\" oder \"gefuehrt\" sein, nicht 'lose'"},
      {std::string(kBeam) + "lastfaelle = [\"g\", \"g\"]\n", 4, 20, "Lastfall 'g' doppelt"},
      {std::string(kBeam) + "lastfaelle = []\n", 4, 14, "lastfaelle braucht mindestens einen Lastfall"},
      {std::string(kBeam) + "lastfaelle = [\"g\", \"q\"]\nwinkel = [{ x = 1, p = 1 }]\n", 5, 11,
       "lastfall fehlt"},
      {std::string(kBeam) + "winkel = [{ x = 1, p = 1, lastfall = \"q\" }]\n", 4, 38,
       "unbekannter Lastfall 'q'"},
      {std::string(kBeam) + "einheiten = [\"kN\"]\n", 4, 13,
       "einheiten braucht zwei Texte, etwa [\"kN\", \"m\"]"},
      {std::string(kBeam) + "x = \n", 4, 5, "Syntaxfehler: Wert erwartet, gefunden '\\n'"},
      {std::string(kBeam) + "titel = \"\xff\"\n", 4, 10, "ungueltiges UTF-8"},
      // Bytes that are no UTF-8 are the reader's to find, wherever they stand.
      {std::string(kBeam) + "\xff = 1\n", 4, 1, "ungueltiges UTF-8"},
      {std::string(kBeam) + "a = [1, 2,]]\n", 4, 12,
       "Syntaxfehler: nach dem Wert nur Leerraum oder ein Kommentar, gefunden ']'"},
      {std::string(kBeam) + "l\xc3\xa4nge = 1\n", 4, 2,
       "Syntaxfehler: '\xc3\xa4' steht hier nicht: ausser ASCII nur in Texten und Kommentaren"},
  };
  for (const Case& c : cases) {
    FileFault fault = fault_of(c.text);
    EXPECT_EQ(fault.what, c.what) << c.text;
    EXPECT_EQ(fault.place.line, c.line) << c.text;
    EXPECT_EQ(fault.place.column, c.column) << c.text;
  }
}

TEST(TomlGuard, FindsNonAsciiOutsideStringsAndComments) {
  EXPECT_FALSE(find_unreadable_character("a = \"\xc3\xa4\" # \xc3\xb6\nb = '\xc3\xbc'\n").found);
  EXPECT_FALSE(find_unreadable_character("a = \"\"\"\n\xc3\xa4\"\"\"\nb = '''\xc3\xa4'''\n").found);
  EXPECT_FALSE(find_unreadable_character("\xef\xbb\xbf"
                                         "a = 1\n")
                   .found);
  // Quotes escaped, and up to two before a closing three, stay in the string.
  EXPECT_FALSE(find_unreadable_character("a = \"\\\"\xc3\xa4\"\nb = \"\"\"x\"\"\"\"\"\nc = 1\n").found);
  UnreadableCharacter outside = find_unreadable_character("a = 1\nb = \"x\" \xe2\x82\xac\n");
  ASSERT_TRUE(outside.found);
  EXPECT_EQ(outside.line, 2);
  EXPECT_EQ(outside.column, 9);
  EXPECT_EQ(outside.bytes, "\xe2\x82\xac");
  // Where a string closes with five quotes, what follows is outside it.
  EXPECT_TRUE(find_unreadable_character("b = \"\"\"x\"\"\"\"\" \xc3\xa4\n").found);
}

TEST(TomlGuard, FindsNonAsciiAfterABackslashOfAMultiLineBasicString) {
  EXPECT_TRUE(find_unreadable_character("a = \"\"\"x\\\xc3\xa4\"\"\"").found);
  UnreadableCharacter skipped = find_unreadable_character("a = \"\"\"x\\\n   \n\t\xc3\xa4\"\"\"");
  ASSERT_TRUE(skipped.found);
  EXPECT_EQ(skipped.line, 3);
  EXPECT_EQ(skipped.column, 2);
  // Elsewhere in the string, and after a backslash in a single-line or a
  // literal string, any character is the reader's.
  EXPECT_FALSE(find_unreadable_character("a = \"\"\"x\\\n  y\xc3\xa4\"\"\"").found);
  EXPECT_FALSE(find_unreadable_character("a = \"x\\\xc3\xa4\"").found);
  EXPECT_FALSE(find_unreadable_character("a = '''x\\\xc3\xa4'''").found);
}

}  // namespace
}  // namespace dlt
