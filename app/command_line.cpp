#include "app/command_line.h"

#include <getopt.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

#include "app/option_values.h"
#include "app/same_file.h"
#include "console/shown_name.h"
#include "report/reports.h"

namespace dlt {

const char kHelpText[] =
    "Aufruf: durchlauftraeger [OPTIONEN] [TRAEGER.toml]\n"
    "Biegung von Durchlauftraegern und abgesetzten Rundwellen nach dem\n"
    "Uebertragungsverfahren, im Dialog ueber ein Tastenmenue oder aus einer\n"
    "Traegerdatei TRAEGER.toml (TOML), die den ganzen Traeger mit seinen\n"
    "Lastfaellen beschreibt. Mit einer Traegerdatei liest das Programm die\n"
    "Standardeingabe nicht: es gibt den Bericht ueber den Traeger mit allen\n"
    "gewaehlten Lastfaellen zusammen auf der Standardausgabe aus, bei mehreren\n"
    "Lastfaellen danach ihre Grenzwerte, und schreibt die Dateien der Optionen;\n"
    "seine Meldungen gehen auf die Standardfehlerausgabe.\n"
    "\n"
    "  --bericht DATEI  einen Bericht ueber den Traeger des letzten rechten\n"
    "                   Traegerendes nach DATEI schreiben (auch mehrmals):\n"
    "                   DATEI.csv erhaelt die Wertetabelle als CSV, DATEI.html\n"
    "                   (.htm) eine Seite mit Skizze, Zustandslinien und\n"
    "                   Tabellen, jede andere DATEI den Textbericht mit\n"
    "                   Auflagerkraeften, Extremwerten und Wertetabelle\n"
    "  --punkte N       jeden Abschnitt fuer den Bericht in N gleiche Teile\n"
    "                   teilen (1 bis 1000, Vorgabe 10)\n"
    "  --einheiten KRAFT,LAENGE\n"
    "                   jeden Wert im Textbericht und auf der Seite mit seiner\n"
    "                   Einheit versehen, etwa kN,m oder N,mm\n"
    "  --titel TEXT     TEXT als Titel ueber den Textbericht und die Seite\n"
    "  --grenzwerte DATEI\n"
    "                   jeden Durchgang bis zum rechten Traegerende als Lastfall\n"
    "                   nehmen (der erste staendig, die weiteren veraenderlich)\n"
    "                   und die Grenzwerte von w, p, M, Q und der\n"
    "                   Auflagerkraefte ueber alle Lastfaelle des Traegers\n"
    "                   nach DATEI schreiben (auch mehrmals; .csv und .html\n"
    "                   wie bei --bericht)\n"
    "  --faktoren GSUP/GINF/Q\n"
    "                   Teilsicherheitsbeiwerte der Grenzwerte, je 0 bis 100:\n"
    "                   staendige Last unguenstig und guenstig, veraenderliche\n"
    "                   Lasten (Vorgabe 1.35/1.0/1.5; G/Q fuer GSUP = GINF = G)\n"
    "  --lastfall NAME  mit einer Traegerdatei nur den Lastfall NAME in den Bericht\n"
    "                   nehmen (auch mehrmals; die Grenzwerte nehmen immer alle)\n"
    "  --als-datei DATEI\n"
    "                   den Traeger mit allen Lastfaellen als Traegerdatei\n"
    "                   (TOML) nach DATEI schreiben (auch mehrmals)\n"
    "  --ruhig          im Dialog nur Ergebnisse und Meldungen ausgeben: kein\n"
    "                   Menue, keine Eingabeaufforderungen, kein Warten nach g\n"
    "                   und i; ein Skript rechnet dasselbe wie ohne (mit einer\n"
    "                   Traegerdatei ohne Wirkung: sie hat keinen Dialog)\n"
    "  --help           diese Hilfe zeigen und enden\n"
    "  --version        die Version zeigen und enden\n"
    "\n"
    "Die Dateien schreibt das Programm am Terminal nach jedem rechten\n"
    "Traegerende, bei umgeleiteter Eingabe (Skript) einmal am Ende der Eingabe\n"
    "und zuvor die des alten Traegers, wenn ein neuer beginnt.\n"
    "\n"
    "Ohne Optionen und Traegerdatei arbeitet das Programm nur im Dialog. Der\n"
    "Exit-Status ist 1, wenn ein Bericht oder eine Datei der Grenzwerte nicht\n"
    "geschrieben werden konnte, 2 bei falschen Optionen oder einer fehlerhaften\n"
    "Traegerdatei (dann mit DATEI:ZEILE:SPALTE und ohne eine Datei zu schreiben).\n";

std::string version_text() {
  std::string text = kProgramName;
  text.push_back(' ');
  text.append(kProgramVersion);
  text.push_back('\n');
  return text;
}

const char kUsageText[] =
    "Aufruf: durchlauftraeger [--bericht DATEI]... [--punkte N] [--einheiten KRAFT,LAENGE]\n"
    "                         [--titel TEXT] [--grenzwerte DATEI]... [--faktoren GSUP/GINF/Q]\n"
    "                         [--lastfall NAME]... [--als-datei DATEI]... [--help] [--version]\n"
    "                         [--ruhig] [TRAEGER.toml]\n"
    "Mehr mit: durchlauftraeger --help\n";

namespace {

constexpr char kUnitsWanted[] = "--einheiten braucht eine Krafteinheit und eine Laengeneinheit, etwa kN,m";
constexpr char kFactorsWanted[] =
    "--faktoren braucht zwei oder drei Zahlen von 0 bis 100, etwa 1.35/1.0/1.5 oder 1/1";

enum OptionCode {
  kBericht = 1000,
  kPunkte,
  kEinheiten,
  kTitel,
  kGrenzwerte,
  kFaktoren,
  kLastfall,
  kAlsDatei,
  kRuhig,
  kHelp,
  kVersion
};

constexpr option kOptions[] = {
    {"bericht", required_argument, nullptr, kBericht},
    {"punkte", required_argument, nullptr, kPunkte},
    {"einheiten", required_argument, nullptr, kEinheiten},
    {"titel", required_argument, nullptr, kTitel},
    {"grenzwerte", required_argument, nullptr, kGrenzwerte},
    {"faktoren", required_argument, nullptr, kFaktoren},
    {"lastfall", required_argument, nullptr, kLastfall},
    {"als-datei", required_argument, nullptr, kAlsDatei},
    {"ruhig", no_argument, nullptr, kRuhig},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

// N of --punkte: a whole number from 1 to kMaxPieces, digits only, as the
// factors of --faktoren are: no blank before or after, no sign.
bool read_pieces(const char* text, int& pieces) {
  if (*text == '\0') return false;
  for (const char* c = text; *c != '\0'; ++c)
    if (*c < '0' || *c > '9') return false;
  errno = 0;
  long value = std::strtol(text, nullptr, 10);
  if (errno != 0 || value < 1 || value > kMaxPieces) return false;
  pieces = static_cast<int>(value);
  return true;
}

CommandLine bad(std::string error) {
  CommandLine line;
  line.action = CommandLineAction::bad;
  line.error = "durchlauftraeger: " + std::move(error) + "\n";
  return line;
}

const char* option_name(int code) {
  for (const option& known : kOptions) {
    if (known.name != nullptr && known.val == code) return known.name;
  }
  return "";
}

// What getopt_long found wrong, as it would say it, in German: a value
// missing (':'), or ('?') a value given to an option that takes none, an
// unknown short option, or an unknown long one, which optind has passed.
CommandLine bad_option(int code, char* argv[]) {
  if (code == ':') {
    switch (optopt) {
      case kBericht:
        return bad("--bericht braucht einen Dateinamen");
      case kEinheiten:
        return bad(kUnitsWanted);
      case kTitel:
        return bad("--titel braucht einen Text");
      case kGrenzwerte:
        return bad("--grenzwerte braucht einen Dateinamen");
      case kFaktoren:
        return bad(kFactorsWanted);
      case kLastfall:
        return bad("--lastfall braucht den Namen eines Lastfalls");
      case kAlsDatei:
        return bad("--als-datei braucht einen Dateinamen");
      default:
        return bad("--punkte braucht eine ganze Zahl von 1 bis 1000");
    }
  }
  if (*option_name(optopt) != '\0')
    return bad(std::string("--") + option_name(optopt) + " nimmt keinen Wert");
  if (optopt != 0)
    return bad("unbekannte Option '-" + shown_name(std::string(1, static_cast<char>(optopt))) + "'");
  std::string_view given = argv[optind - 1];
  return bad("unbekannte Option '" + shown_name(given.substr(0, given.find('='))) + "'");
}

}  // namespace

bool is_title(std::string_view title) { return shown_name(title) == title; }

namespace {

// A file the command line names for the program to write, by its option.
struct NamedOutput {
  const char* option;
  std::string name;
};

// Two options naming one file would write it twice, the second over the
// first; the same name twice too.
CommandLine bad_if_outputs_collide(CommandLine line, const std::vector<NamedOutput>& outputs) {
  for (std::size_t j = 1; j < outputs.size(); ++j) {
    for (std::size_t i = 0; i < j; ++i) {
      if (!same_file(outputs[i].name, outputs[j].name)) continue;
      return bad(std::string("--") + outputs[i].option + " '" + shown_name(outputs[i].name) + "' und --" +
                 outputs[j].option + " '" + shown_name(outputs[j].name) + "' nennen dieselbe Datei");
    }
  }
  return line;
}

}  // namespace

CommandLine parse_command_line(int argc, char* argv[]) {
  CommandLine line;
  std::vector<NamedOutput> outputs;
  // 0 makes getopt_long start over, at the first argument. Its own messages
  // are English and name the program by its path: the program says it.
  optind = 0;
  opterr = 0;
  for (;;) {
    int code = getopt_long(argc, argv, ":", kOptions, nullptr);
    if (code == -1) break;
    switch (code) {
      case kBericht:
        // An empty name would make a hidden file of the temporary name alone.
        if (*optarg == '\0') return bad("--bericht braucht einen Dateinamen");
        line.reports.files.emplace_back(optarg);
        outputs.push_back({"bericht", optarg});
        break;
      case kPunkte:
        if (!read_pieces(optarg, line.reports.pieces))
          return bad("--punkte braucht eine ganze Zahl von 1 bis 1000, nicht '" + shown_name(optarg) + "'");
        break;
      case kEinheiten:
        if (!read_units(optarg, line.reports.labels.units))
          return bad(std::string(kUnitsWanted) + ", nicht '" + shown_name(optarg) + "'");
        line.units_given = true;
        break;
      case kTitel:
        if (!is_title(optarg)) return bad("--titel nimmt keinen Zeilenumbruch und kein Steuerzeichen");
        line.reports.labels.title = optarg;
        line.title_given = true;
        break;
      case kGrenzwerte:
        if (*optarg == '\0') return bad("--grenzwerte braucht einen Dateinamen");
        line.reports.envelope_files.emplace_back(optarg);
        outputs.push_back({"grenzwerte", optarg});
        break;
      case kFaktoren:
        if (!read_factors(optarg, line.reports.factors))
          return bad(std::string(kFactorsWanted) + ", nicht '" + shown_name(optarg) + "'");
        break;
      case kLastfall:
        if (*optarg == '\0') return bad("--lastfall braucht den Namen eines Lastfalls");
        line.load_cases.emplace_back(optarg);
        break;
      case kAlsDatei:
        if (*optarg == '\0') return bad("--als-datei braucht einen Dateinamen");
        line.reports.beam_files.emplace_back(optarg);
        outputs.push_back({"als-datei", optarg});
        break;
      case kRuhig:
        line.quiet = true;
        break;
      case kHelp:
        line.action = CommandLineAction::help;
        return line;
      case kVersion:
        line.action = CommandLineAction::version;
        return line;
      default:
        return bad_option(code, argv);
    }
  }
  if (optind < argc) {
    line.beam_file = argv[optind];
    if (line.beam_file.empty()) return bad("der Name der Traegerdatei ist leer");
    ++optind;
  }
  if (optind < argc) return bad("nur eine Traegerdatei, nicht auch '" + shown_name(argv[optind]) + "'");
  if (line.beam_file.empty() && !line.load_cases.empty()) return bad("--lastfall nur mit einer Traegerdatei");
  if (!line.beam_file.empty() && !line.reports.beam_files.empty())
    return bad("--als-datei nur im Dialog, nicht mit einer Traegerdatei");
  return bad_if_outputs_collide(std::move(line), outputs);
}

}  // namespace dlt
