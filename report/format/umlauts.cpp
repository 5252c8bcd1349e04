#include "report/format/umlauts.h"

#include <cstddef>
#include <cstring>

namespace dlt {

namespace {

struct Spelling {
  const char* ascii;
  const char* german;
};

// Stems of the words the reports use; each ASCII stem is long enough never
// to be part of a unit, and none holds another's German spelling.
constexpr Spelling kSpellings[] = {
    {"Traeger", "Träger"},       {"traeger", "träger"},
    {"Laenge", "Länge"},         {"laenge", "länge"},
    {"Lastfaell", "Lastfäll"},   {"lastfaell", "lastfäll"},
    {"Kraeft", "Kräft"},         {"kraeft", "kräft"},
    {"Stuetz", "Stütz"},         {"Sprueng", "Sprüng"},
    {"gekuerzt", "gekürzt"},     {"gefuehrt", "geführt"},
    {"enthaelt", "enthält"},     {"erhaelt", "erhält"},
    {"staendig", "ständig"},     {"veraenderlich", "veränderlich"},
    {"guenstig", "günstig"},     {"gewoehnlich", "gewöhnlich"},
    {"gewaehlt", "gewählt"},     {"Groesst", "Größt"},
    {"groesst", "größt"},        {"Groesse", "Größe"},
    {"hoechstens", "höchstens"}, {"fuer ", "für "},
    {"ueber ", "über "},         {"Menue", "Menü"},
};

}  // namespace

std::string with_umlauts(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    bool replaced = false;
    for (const Spelling& s : kSpellings) {
      std::size_t n = std::strlen(s.ascii);
      if (text.substr(i, n) == s.ascii) {
        out.append(s.german);
        i += n;
        replaced = true;
        break;
      }
    }
    if (!replaced) out.push_back(text[i++]);
  }
  return out;
}

}  // namespace dlt
