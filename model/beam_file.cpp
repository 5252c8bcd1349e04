#include "model/beam_file.h"

#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>

// The reader (header-only, by the build) reports faults by its result rather
// than by throwing, so that every fault takes the one way out below.
#define TOML_EXCEPTIONS 0
#include <toml++/toml.h>

#include "console/shown_name.h"
#include "model/toml_faults.h"
#include "model/toml_guard.h"

namespace dlt {

namespace {

FilePlace place_of(const toml::source_region& region) {
  FilePlace place;
  // A region the reader left unset counts as the file's start.
  if (region.begin.line > 0) place.line = static_cast<int>(region.begin.line);
  if (region.begin.column > 0) place.column = static_cast<int>(region.begin.column);
  return place;
}

FilePlace place_of(const toml::node& node) { return place_of(node.source()); }

// Reading stops at the first fault; each reader returns false once it is set.
struct Reading {
  BeamFile& file;
  FileFault& fault;
};

bool fail(Reading& reading, FilePlace place, std::string what) {
  reading.fault.place = place;
  reading.fault.what = std::move(what);
  return false;
}

std::string quoted(std::string_view name) { return "'" + shown_name(name) + "'"; }

// The keys a table may have: an unknown one is a fault at its own place.
bool known_keys(Reading& reading, const toml::table& table, std::initializer_list<std::string_view> keys) {
  for (auto&& [key, node] : table) {
    (void)node;
    bool known = false;
    for (std::string_view k : keys) known = known || key.str() == k;
    if (!known) return fail(reading, place_of(key.source()), "unbekannter Schluessel " + quoted(key.str()));
  }
  return true;
}

// A number, integer or decimal, finite.
bool read_number(Reading& reading, const toml::node& node, std::string_view name, double& value) {
  if (const auto* integer = node.as_integer()) {
    value = static_cast<double>(integer->get());
    return true;
  }
  if (const auto* decimal = node.as_floating_point()) {
    value = decimal->get();
    if (!std::isfinite(value))
      return fail(reading, place_of(node), std::string(name) + " muss eine endliche Zahl sein");
    return true;
  }
  return fail(reading, place_of(node), std::string(name) + " muss eine Zahl sein");
}

bool read_positive(Reading& reading, const toml::node& node, std::string_view name, double& value) {
  if (!read_number(reading, node, name, value)) return false;
  if (value <= 0) return fail(reading, place_of(node), std::string(name) + " muss groesser als 0 sein");
  return true;
}

bool read_text(Reading& reading, const toml::node& node, std::string_view name, std::string& text) {
  const auto* string = node.as_string();
  if (string == nullptr) return fail(reading, place_of(node), std::string(name) + " muss ein Text sein");
  text = string->get();
  return true;
}

const toml::array* array_of(Reading& reading, const toml::node& node, std::string_view name) {
  const toml::array* array = node.as_array();
  if (array == nullptr) fail(reading, place_of(node), std::string(name) + " muss eine Liste sein");
  return array;
}

const toml::table* table_in(Reading& reading, const toml::node& node, std::string_view name) {
  const toml::table* table = node.as_table();
  if (table == nullptr)
    fail(reading, place_of(node),
         "jeder Eintrag in " + std::string(name) + " muss eine Tabelle { ... } sein");
  return table;
}

// A key a table must have; the fault stands at the table's place.
const toml::node* required(Reading& reading, const toml::table& table, std::string_view key,
                           FilePlace table_place) {
  const toml::node* node = table.get(key);
  if (node == nullptr) fail(reading, table_place, std::string(key) + " fehlt");
  return node;
}

bool read_end(Reading& reading, const toml::node& node, std::string_view name, EndKind& end,
              FilePlace& place) {
  std::string text;
  if (!read_text(reading, node, name, text)) return false;
  place = place_of(node);
  if (text == "gelenkig") {
    end = EndKind::pinned;
  } else if (text == "eingespannt") {
    end = EndKind::clamped;
  } else if (text == "frei") {
    end = EndKind::free;
  } else if (text == "gefuehrt") {
    end = EndKind::guided;
  } else {
    return fail(reading, place,
                std::string(name) +
                    " muss \"gelenkig\", \"eingespannt\", \"frei\" oder \"gefuehrt\" sein, nicht " +
                    quoted(text));
  }
  return true;
}

bool read_segments(Reading& reading, const toml::node& node) {
  static constexpr std::string_view kName = "abschnitte";
  const toml::array* array = array_of(reading, node, kName);
  if (array == nullptr) return false;
  if (array->empty()) return fail(reading, place_of(node), "abschnitte braucht mindestens einen Abschnitt");
  for (const toml::node& entry : *array) {
    const toml::table* table = table_in(reading, entry, kName);
    if (table == nullptr || !known_keys(reading, *table, {"laenge", "EI", "E", "d"})) return false;
    FileSegment segment;
    segment.place = place_of(entry);
    const toml::node* length = required(reading, *table, "laenge", segment.place);
    if (length == nullptr || !read_positive(reading, *length, "laenge", segment.length)) return false;
    const toml::node* EI = table->get("EI");
    const toml::node* E = table->get("E");
    const toml::node* d = table->get("d");
    if (EI != nullptr) {
      if (!read_positive(reading, *EI, "EI", segment.EI)) return false;
      if (E != nullptr || d != nullptr)
        return fail(reading, place_of(E != nullptr ? *E : *d), "EI oder E und d, nicht beides");
    } else {
      if (E == nullptr && d == nullptr) return fail(reading, segment.place, "EI fehlt (oder E und d)");
      if (E == nullptr) return fail(reading, segment.place, "E fehlt");
      if (d == nullptr) return fail(reading, segment.place, "d fehlt");
      if (!read_positive(reading, *E, "E", segment.E) || !read_positive(reading, *d, "d", segment.diameter))
        return false;
      segment.shaft = true;
    }
    reading.file.segments.push_back(segment);
  }
  return true;
}

// A list of x: supports, hinges, places.
bool read_points(Reading& reading, const toml::node& node, std::string_view name,
                 std::vector<FilePoint>& points) {
  const toml::array* array = array_of(reading, node, name);
  if (array == nullptr) return false;
  for (const toml::node& entry : *array) {
    FilePoint point;
    point.place = place_of(entry);
    if (!read_number(reading, entry, "x", point.x)) return false;
    points.push_back(point);
  }
  return true;
}

bool read_springs(Reading& reading, const toml::node& node) {
  static constexpr std::string_view kName = "federn";
  const toml::array* array = array_of(reading, node, kName);
  if (array == nullptr) return false;
  for (const toml::node& entry : *array) {
    const toml::table* table = table_in(reading, entry, kName);
    if (table == nullptr || !known_keys(reading, *table, {"x", "c"})) return false;
    FilePlace table_place = place_of(entry);
    const toml::node* x = required(reading, *table, "x", table_place);
    if (x == nullptr) return false;
    const toml::node* c = required(reading, *table, "c", table_place);
    FilePoint spring;
    spring.place = place_of(*x);
    if (c == nullptr || !read_number(reading, *x, "x", spring.x) ||
        !read_positive(reading, *c, "c", spring.c))
      return false;
    reading.file.springs.push_back(spring);
  }
  return true;
}

bool read_load_cases(Reading& reading, const toml::node& node) {
  static constexpr std::string_view kName = "lastfaelle";
  const toml::array* array = array_of(reading, node, kName);
  if (array == nullptr) return false;
  if (array->empty()) return fail(reading, place_of(node), "lastfaelle braucht mindestens einen Lastfall");
  for (const toml::node& entry : *array) {
    std::string name;
    if (!read_text(reading, entry, "jeder Lastfall", name)) return false;
    if (name.empty()) return fail(reading, place_of(entry), "ein Lastfall braucht einen Namen");
    for (const std::string& earlier : reading.file.load_cases)
      if (earlier == name) return fail(reading, place_of(entry), "Lastfall " + quoted(name) + " doppelt");
    reading.file.load_cases.push_back(name);
  }
  return true;
}

// The load case a load names; where the file declares one case, or none, it
// may be left out.
bool read_load_case(Reading& reading, const toml::table& table, FilePlace table_place,
                    std::size_t& load_case) {
  const toml::node* node = table.get("lastfall");
  if (node == nullptr) {
    if (reading.file.load_cases.size() > 1) return fail(reading, table_place, "lastfall fehlt");
    load_case = 0;
    return true;
  }
  std::string name;
  if (!read_text(reading, *node, "lastfall", name)) return false;
  for (std::size_t k = 0; k < reading.file.load_cases.size(); ++k) {
    if (reading.file.load_cases[k] == name) {
      load_case = k;
      return true;
    }
  }
  return fail(reading, place_of(*node), "unbekannter Lastfall " + quoted(name));
}

bool read_loads(Reading& reading, const toml::node& node) {
  static constexpr std::string_view kName = "streckenlasten";
  const toml::array* array = array_of(reading, node, kName);
  if (array == nullptr) return false;
  for (const toml::node& entry : *array) {
    const toml::table* table = table_in(reading, entry, kName);
    if (table == nullptr || !known_keys(reading, *table, {"lastfall", "von", "bis", "q", "q_bis"}))
      return false;
    FileLoad load;
    load.place = place_of(entry);
    if (!read_load_case(reading, *table, load.place, load.load_case)) return false;
    const toml::node* from = required(reading, *table, "von", load.place);
    if (from == nullptr || !read_number(reading, *from, "von", load.from)) return false;
    const toml::node* to = required(reading, *table, "bis", load.place);
    if (to == nullptr || !read_number(reading, *to, "bis", load.to)) return false;
    const toml::node* q = required(reading, *table, "q", load.place);
    if (q == nullptr || !read_number(reading, *q, "q", load.q)) return false;
    load.q_to = load.q;
    if (const toml::node* q_to = table->get("q_bis");
        q_to != nullptr && !read_number(reading, *q_to, "q_bis", load.q_to))
      return false;
    load.from_place = place_of(*from);
    load.to_place = place_of(*to);
    reading.file.loads.push_back(load);
  }
  return true;
}

// What each key of point actions holds, and the name of its value.
struct ActionKey {
  std::string_view key;
  std::string_view value;
  ActionKind kind;
};

constexpr ActionKey kActionKeys[] = {
    {"einzellasten", "F", ActionKind::force},
    {"momente", "M", ActionKind::moment},
    {"winkel", "p", ActionKind::kink},
    {"versaetze", "w", ActionKind::offset},
    {"absenkungen", "w", ActionKind::settlement},
    {"verdrehungen", "p", ActionKind::rotation},
};

bool read_actions(Reading& reading, const toml::node& node, const ActionKey& kind) {
  const toml::array* array = array_of(reading, node, kind.key);
  if (array == nullptr) return false;
  for (const toml::node& entry : *array) {
    const toml::table* table = table_in(reading, entry, kind.key);
    if (table == nullptr || !known_keys(reading, *table, {"lastfall", "x", kind.value})) return false;
    FileAction action;
    action.kind = kind.kind;
    FilePlace table_place = place_of(entry);
    if (!read_load_case(reading, *table, table_place, action.load_case)) return false;
    const toml::node* x = required(reading, *table, "x", table_place);
    if (x == nullptr || !read_number(reading, *x, "x", action.x)) return false;
    const toml::node* value = required(reading, *table, kind.value, table_place);
    if (value == nullptr || !read_number(reading, *value, kind.value, action.value)) return false;
    action.place = place_of(*x);
    reading.file.actions.push_back(action);
  }
  return true;
}

bool read_units_key(Reading& reading, const toml::node& node) {
  const toml::array* array = node.as_array();
  if (array == nullptr || array->size() != 2 || !(*array)[0].is_string() || !(*array)[1].is_string())
    return fail(reading, place_of(node), "einheiten braucht zwei Texte, etwa [\"kN\", \"m\"]");
  reading.file.has_units = true;
  reading.file.force_unit = (*array)[0].as_string()->get();
  reading.file.length_unit = (*array)[1].as_string()->get();
  reading.file.units_place = place_of(node);
  return true;
}

// Reads the key with read where the table has it.
template <typename Read>
bool optional(const toml::table& table, std::string_view key, Read read) {
  const toml::node* node = table.get(key);
  return node == nullptr || read(*node);
}

bool read_top_level(Reading& reading, const toml::table& top) {
  static constexpr FilePlace kTop{1, 1};
  if (!known_keys(reading, top,
                  {"titel", "einheiten", "links", "rechts", "abschnitte", "lager", "gelenke", "federn",
                   "lastfaelle", "streckenlasten", "einzellasten", "momente", "winkel", "versaetze",
                   "absenkungen", "verdrehungen", "stellen"}))
    return false;
  BeamFile& file = reading.file;
  if (const toml::node* title = top.get("titel")) {
    if (!read_text(reading, *title, "titel", file.title)) return false;
    file.has_title = true;
    file.title_place = place_of(*title);
  }
  if (const toml::node* units = top.get("einheiten"); units != nullptr && !read_units_key(reading, *units))
    return false;
  const toml::node* left = required(reading, top, "links", kTop);
  if (left == nullptr || !read_end(reading, *left, "links", file.left, file.left_place)) return false;
  const toml::node* right = required(reading, top, "rechts", kTop);
  if (right == nullptr || !read_end(reading, *right, "rechts", file.right, file.right_place)) return false;
  const toml::node* segments = required(reading, top, "abschnitte", kTop);
  if (segments == nullptr || !read_segments(reading, *segments)) return false;
  auto points = [&](std::string_view key, std::vector<FilePoint>& list) {
    return optional(top, key, [&](const toml::node& node) { return read_points(reading, node, key, list); });
  };
  if (!points("lager", file.supports) || !points("gelenke", file.hinges) || !points("stellen", file.places) ||
      !optional(top, "federn", [&](const toml::node& node) { return read_springs(reading, node); }))
    return false;
  // The load cases before the loads, which name them, whatever the order
  // of the keys in the file.
  if (top.get("lastfaelle") == nullptr) file.load_cases.emplace_back("g");
  if (!optional(top, "lastfaelle", [&](const toml::node& node) { return read_load_cases(reading, node); }) ||
      !optional(top, "streckenlasten", [&](const toml::node& node) { return read_loads(reading, node); }))
    return false;
  for (const ActionKey& kind : kActionKeys) {
    if (!optional(top, kind.key, [&](const toml::node& node) { return read_actions(reading, node, kind); }))
      return false;
  }
  return true;
}

bool unreadable_fault(const UnreadableCharacter& unreadable, FileFault& fault) {
  fault.place = {unreadable.line, unreadable.column};
  fault.what = "Syntaxfehler: '" + shown_name(unreadable.bytes) +
               "' steht hier nicht: ausser ASCII nur in Texten und Kommentaren";
  return false;
}

}  // namespace

bool read_beam_file(const std::string& text, BeamFile& file, FileFault& fault) {
  file = BeamFile{};
  std::string_view readable = text;
  UnreadableCharacter unreadable = find_unreadable_character(text);
  // The reader reads the text up to such a character: a fault it finds
  // before it comes first, else the character is the fault.
  if (unreadable.found) readable = readable.substr(0, unreadable.offset);
  toml::parse_result parsed = toml::parse(readable);
  if (!parsed) {
    const toml::parse_error& error = parsed.error();
    fault.place = place_of(error.source());
    bool before = fault.place.line < unreadable.line ||
                  (fault.place.line == unreadable.line && fault.place.column < unreadable.column);
    if (unreadable.found && !before) return unreadable_fault(unreadable, fault);
    std::string_view description = error.description();
    // The reader says what it found in English; the kind of fault in German.
    if (description.find("utf-8") != std::string_view::npos ||
        description.find("UTF-8") != std::string_view::npos) {
      fault.what = "ungueltiges UTF-8";
      if (UnreadableCharacter invalid = find_invalid_utf8(readable); invalid.found)
        fault.place = {invalid.line, invalid.column};
    } else {
      fault.what = syntax_text(description);
    }
    return false;
  }
  if (unreadable.found) return unreadable_fault(unreadable, fault);
  Reading reading{file, fault};
  return read_top_level(reading, parsed.table());
}

}  // namespace dlt
