// The report page as a browser shows it: the program writes the page of
// examples/abgesetzte_welle.txt with units and a title, headless Chromium
// renders it once through its HTML parser and once through its strict XML
// parser, and each screenshot must show the sketch and the diagrams in
// their fill colours, one under the other, with no console message and no
// XML error; and the page of a beam of 100,000 spans too, within the
// renderer's time; and the envelope page of
// examples/dreifeldtraeger_lastfaelle.txt with its sketch and the diagrams
// of M, Q and w. Printed to PDF on A4, every table holds every column: the
// PDF's text has every heading and every number of the tables; and in a
// window 1280 px wide nothing reaches its right edge. Skips (exit status 77)
// where Chromium is not installed, and the print where pdftotext is not.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "tests/support/png_image.h"
#include "tests/support/program.h"
#include "tests/support/scratch_directory.h"

namespace {

struct Fill {
  std::string_view name;
  int red, green, blue;
};
// The fills of the drawings.
constexpr Fill kBeam = {"sketch beam #5f7d95", 0x5f, 0x7d, 0x95};
constexpr Fill kW = {"w diagram #9ecae1", 0x9e, 0xca, 0xe1};
constexpr Fill kP = {"p diagram #a1d99b", 0xa1, 0xd9, 0x9b};
constexpr Fill kM = {"M diagram #fc9272", 0xfc, 0x92, 0x72};
constexpr Fill kQ = {"Q diagram #fdd0a2", 0xfd, 0xd0, 0xa2};
constexpr Fill kSigma = {"sigma diagram #dadaeb", 0xda, 0xda, 0xeb};
// The report page's drawings from top to bottom, a shaft's, and the
// envelope page's.
const std::vector<Fill> kReportFills = {kBeam, kW, kP, kM, kQ};
const std::vector<Fill> kShaftFills = {kBeam, kW, kP, kM, kQ, kSigma};
const std::vector<Fill> kEnvelopeFills = {kBeam, kM, kQ, kW};
// Chromium's XML parser reports an error in a box of this colour above what
// it could parse; a page with an error late in it may show every drawing.
constexpr Fill kXmlErrorBox = {"XML error box #ffdddd", 0xff, 0xdd, 0xdd};
// Enough pixels to be a drawing, not a stray anti-aliased edge.
constexpr std::size_t kLeastPixels = 200;
constexpr int kTolerance = 3;

struct Found {
  std::size_t pixels = 0;
  double mean_row = 0;
};

Found find_fill(const PngImage& image, const Fill& fill) {
  Found found;
  double rows = 0;
  for (std::size_t y = 0; y < image.height; ++y) {
    for (std::size_t x = 0; x < image.width; ++x) {
      const std::uint8_t* pixel = &image.rgba[(y * image.width + x) * 4];
      if (std::abs(pixel[0] - fill.red) <= kTolerance && std::abs(pixel[1] - fill.green) <= kTolerance &&
          std::abs(pixel[2] - fill.blue) <= kTolerance) {
        ++found.pixels;
        rows += static_cast<double>(y);
      }
    }
  }
  if (found.pixels > 0) found.mean_row = rows / static_cast<double>(found.pixels);
  return found;
}

// Renders page and checks the screenshot for the fills, one under the
// other; on a fault, the screenshot and the page are copied into the
// working directory to be looked at.
void expect_drawings_shown(const std::string& page, const std::vector<Fill>& fills = kReportFills) {
  std::string png = page + ".png";
  std::string errors_path = page + ".stderr";
  std::string command = "sh '" RENDER_PAGE_SCRIPT "' '" + page + "' '" + png + "' 2> '" + errors_path + "'";
  int status = std::system(command.c_str());
  std::string errors = read_file(errors_path);

  std::ostringstream problems;
  std::ostringstream details;
  if (status != 0) problems << "render_page.sh ended with status " << status << "\n";
  std::istringstream lines(errors);
  for (std::string line; std::getline(lines, line);)
    if (line.find("CONSOLE") != std::string::npos) problems << "console message: " << line << "\n";
  PngImage image;
  if (!read_png(png, image)) {
    problems << "cannot read the screenshot\n";
  } else {
    const Found* above = nullptr;
    std::vector<Found> found(fills.size());
    for (std::size_t i = 0; i < fills.size(); ++i) {
      found[i] = find_fill(image, fills[i]);
      details << "  " << fills[i].name << ": " << found[i].pixels << " pixels, mean row " << found[i].mean_row
              << "\n";
      if (found[i].pixels < kLeastPixels) {
        problems << fills[i].name << ": only " << found[i].pixels << " pixels\n";
        continue;
      }
      if (above != nullptr && found[i].mean_row <= above->mean_row)
        problems << fills[i].name << " is not below the drawing before it\n";
      above = &found[i];
    }
    if (find_fill(image, kXmlErrorBox).pixels >= kLeastPixels)
      problems << "Chromium shows its XML error box\n";
  }
  if (problems.str().empty()) return;
  std::string kept;
  std::error_code failed;
  for (const std::string& file : {png, page}) {
    std::filesystem::path copy = std::filesystem::current_path(failed) /
                                 ("browser_test_" + std::filesystem::path(file).filename().string());
    if (std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing, failed))
      kept += "\n  " + copy.string();
  }
  ADD_FAILURE() << "page " << page << " in Chromium:\n"
                << problems.str() << "kept:" << (kept.empty() ? std::string(" nothing") : kept)
                << "\nfill colours found:\n"
                << details.str() << "Chromium's standard error:\n"
                << errors;
}

// Runs the example with the options, the page's file last, and renders the
// page through the HTML parser and a copy of it through the XML parser:
// Chromium takes the parser from the file's extension.
void expect_shown_by_both_parsers(const char* example, std::vector<std::string> options,
                                  const std::string& name, const std::vector<Fill>& fills) {
  ScratchDirectory dir;
  std::string page = dir.file(name + ".html");
  options.push_back(page);
  PipedRun run = run_piped(read_file(std::string(DURCHLAUFTRAEGER_EXAMPLES "/") + example), options);
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  ASSERT_FALSE(read_file(page).empty());
  expect_drawings_shown(page, fills);
  std::filesystem::copy_file(page, dir.file(name + ".xhtml"));
  expect_drawings_shown(dir.file(name + ".xhtml"), fills);
}

// With units and a title of signs the markup would take for its own: the
// XML parser stops at the first that is not escaped.
TEST(BrowserPage, DrawingsShowThroughTheHtmlAndTheXmlParser) {
  expect_shown_by_both_parsers("abgesetzte_welle.txt",
                               {"--einheiten", "kN,m", "--titel", "Pos. 1 <&> \"Welle\"", "--bericht"},
                               "page", kShaftFills);
}

// A beam of many spans, pinned at every joint. Where spans are narrower
// than a drawing unit, a curve's line covers its area and the sketch's
// outlines cover the beam; ten long spans at the right end leave room for
// the fills to show. The short spans bend easily, so that the long spans'
// moments do not reach into them.
std::string long_beam(int spans) {
  std::string script = "a 2 4\n";
  for (int i = 0; i < spans; ++i) {
    script += i < spans - 10 ? "c 1 0.00001 1 10 0\n" : "c 20000 100 1 10 0\n";
    script += i + 1 < spans ? "f 1 0 0\n" : "f 1 0 1 3 0\n";
  }
  return script + "q\n";
}

TEST(BrowserPage, ThePageOfAHundredThousandSpansShowsItsDrawings) {
  const int spans = kLongestBeamSpans;
  ScratchDirectory dir;
  std::string page = dir.file("lang.html");
  PipedRun run = run_piped(long_beam(spans), {"--bericht", page});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  ASSERT_FALSE(read_file(page).empty());
  expect_drawings_shown(page);
}

// The envelope page with units and a title, through both parsers.
TEST(BrowserPage, TheEnvelopePageShowsItsSketchAndDiagrams) {
  expect_shown_by_both_parsers("dreifeldtraeger_lastfaelle.txt",
                               {"--einheiten", "kN,m", "--titel", "Pos. 2 <&>", "--grenzwerte"}, "grenzwerte",
                               kEnvelopeFills);
}

// The page of options, printed by Chromium to PDF, and the PDF's text.
struct Printed {
  std::string page;
  std::string text;
  std::string errors;
  int status = 0;
};

Printed print_page_of(const std::string& script, std::vector<std::string> options, ScratchDirectory& dir) {
  std::string page = dir.file("seite.html");
  options.push_back("--bericht");
  options.push_back(page);
  PipedRun run = run_piped(script, options);
  EXPECT_EQ(run.ending.status, 0) << run.errors;
  Printed printed;
  printed.page = read_file(page);
  std::string command = "sh '" PRINT_PAGE_SCRIPT "' '" + page + "' '" + dir.file("seite.pdf") + "' '" +
                        dir.file("seite.pdf.txt") + "' 2> '" + dir.file("print.stderr") + "'";
  int status = std::system(command.c_str());
  printed.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  printed.text = read_file(dir.file("seite.pdf.txt"));
  printed.errors = read_file(dir.file("print.stderr"));
  return printed;
}

std::string without_blanks(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != ' ' && c != '\n' && c != '\t' && c != '\f') out.push_back(c);
  return out;
}

// Every column heading of the page's tables is in the PDF's text, and every
// number of their cells a word of it.
void expect_every_column_printed(const Printed& printed, const std::string& name) {
  std::istringstream stream(printed.text);
  std::multiset<std::string> words;
  for (std::string word; stream >> word;) words.insert(word);
  std::string text = without_blanks(printed.text);
  static const std::regex kHeading("<th[^>]*>([^<]+)</th>");
  static const std::regex kNumber("<td class=\"n\">([^<]+)</td>");
  std::size_t headings = 0;
  std::size_t numbers = 0;
  for (std::sregex_iterator it(printed.page.begin(), printed.page.end(), kHeading), end; it != end; ++it) {
    EXPECT_NE(text.find(without_blanks((*it)[1])), std::string::npos) << name << ": heading " << (*it)[1];
    ++headings;
  }
  for (std::sregex_iterator it(printed.page.begin(), printed.page.end(), kNumber), end; it != end; ++it) {
    EXPECT_GT(words.count((*it)[1]), 0U) << name << ": number " << (*it)[1];
    ++numbers;
  }
  EXPECT_GT(headings, 25U) << name;
  EXPECT_GT(numbers, 100U) << name;
}

TEST(PrintedPage, EveryColumnOfEveryTableIsOnTheA4Page) {
  struct Case {
    const char* example;
    std::vector<std::string> options;
  };
  const std::vector<Case> cases = {
      {"dreifeldtraeger.toml", {}},
      {"dreifeldtraeger.toml", {"--einheiten", "kN,m"}},
      {"abgesetzte_welle.txt", {"--einheiten", "N,mm"}},
  };
  for (const Case& c : cases) {
    ScratchDirectory dir;
    std::string example = std::string(DURCHLAUFTRAEGER_EXAMPLES "/") + c.example;
    std::vector<std::string> options = c.options;
    std::string script;
    if (example.ends_with(".toml")) {
      options.insert(options.begin(), example);  // a beam file, and no dialogue
    } else {
      script = read_file(example);
    }
    Printed printed = print_page_of(script, options, dir);
    if (printed.status == 77) GTEST_SKIP() << printed.errors;
    ASSERT_EQ(printed.status, 0) << printed.errors;
    expect_every_column_printed(printed, c.example);
    // The span table's support moments in full.
    if (std::string(c.example) == "dreifeldtraeger.toml") {
      for (const char* moment : {"-124.426", "-42.5529", "-93.2603", "-194.317"})
        EXPECT_NE(printed.text.find(" " + std::string(moment) + " "), std::string::npos) << moment;
    }
  }
}

// A page 1280 px wide: its widest table scrolls in its box and a long title
// wraps, so that nothing is drawn at the window's right edge.
TEST(BrowserPage, NothingReachesTheRightEdgeOfAWindow1280Wide) {
  ScratchDirectory dir;
  std::string page = dir.file("breit.html");
  std::string title = "Pos._" + std::string(300, 'X');
  PipedRun run = run_piped("", {std::string(DURCHLAUFTRAEGER_EXAMPLES "/dreifeldtraeger.toml"), "--einheiten",
                                "kN,m", "--titel", title, "--bericht", page});
  ASSERT_EQ(run.ending.status, 0) << run.errors;
  std::string png = page + ".png";
  std::string command = "sh '" RENDER_PAGE_SCRIPT "' '" + page + "' '" + png + "' 1280 3000 2> /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  PngImage image;
  ASSERT_TRUE(read_png(png, image));
  ASSERT_EQ(image.width, 1280U);
  std::size_t marks = 0;
  for (std::size_t y = 0; y < image.height; ++y) {
    for (std::size_t x = image.width - 40; x < image.width; ++x) {
      const std::uint8_t* pixel = &image.rgba[(y * image.width + x) * 4];
      if (pixel[0] < 200 || pixel[1] < 200 || pixel[2] < 200) ++marks;
    }
  }
  EXPECT_EQ(marks, 0U) << "the screenshot's right edge has marks: " << png;
}

}  // namespace

int main(int argc, char** argv) {
  if (std::system("command -v chromium > /dev/null 2>&1") != 0) {
    std::cout << "chromium is not installed: the browser test is skipped\n";
    return 77;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
