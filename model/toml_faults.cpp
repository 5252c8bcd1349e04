#include "model/toml_faults.h"

#include <utility>

#include "console/shown_name.h"

namespace dlt {

std::string syntax_text(std::string_view description) {
  static constexpr std::string_view kParsing = "Error while parsing ";
  if (description.substr(0, kParsing.size()) == kParsing) {
    std::size_t colon = description.find(": ");
    if (colon != std::string_view::npos) description.remove_prefix(colon + 2);
  }
  static constexpr std::pair<std::string_view, std::string_view> kWords[] = {
      {"encountered end-of-file", "die Datei endet mitten in einem Eintrag"},
      {"expected value, saw ", "Wert erwartet, gefunden "},
      {"expected a comment or whitespace, saw ", "nach dem Wert nur Leerraum oder ein Kommentar, gefunden "},
      {"expected keys, tables, whitespace or comments, saw ", "Schluessel erwartet, gefunden "},
      {"expected bare key starting character or string delimiter, saw ", "Schluessel erwartet, gefunden "},
      {"expected key or closing '}', saw ", "Schluessel oder '}' erwartet, gefunden "},
      {"expected '=', saw ", "'=' erwartet, gefunden "},
      {"expected comma or closing ']', saw ", "',' oder ']' erwartet, gefunden "},
      {"expected comma or closing '}', saw ", "',' oder '}' erwartet, gefunden "},
      {"expected ']', saw ", "']' erwartet, gefunden "},
      {"expected value-terminator, saw ", "der Wert endet hier nicht, gefunden "},
      {"expected value or closing ']', saw comma", "nach ',' fehlt ein Wert oder ']'"},
      {"expected key-value pair or closing '}', saw comma", "nach ',' fehlt ein Eintrag oder '}'"},
      {"expected key-value pair, saw closing '}' (dangling comma)", "nach dem letzten ',' fehlt ein Eintrag"},
      {"cannot redefine existing ", "schon festgelegt: "},
      {"unknown escape sequence ", "unbekannte Escape-Folge "},
      {"unescaped control characters other than TAB (U+0009) are explicitly prohibited",
       "Steuerzeichen ausser TAB stehen in keinem Text"},
      {"unexpected control character", "unerwartetes Steuerzeichen"},
      {"leading zeroes are prohibited", "eine Zahl beginnt nicht mit 0"},
      {"underscores must be followed by digits", "nach '_' muss eine Ziffer stehen"},
      {"underscores may only follow digits", "'_' nur nach einer Ziffer"},
      {"missing exponent", "der Exponent fehlt"},
      {"exceeded maximum nested value depth of ", "zu tief verschachtelt, hoechstens "},
  };
  for (const auto& [english, german] : kWords) {
    if (description.substr(0, english.size()) == english) {
      std::string text = "Syntaxfehler: " + std::string(german);
      text += shown_name(description.substr(english.size()));
      return text;
    }
  }
  return "Syntaxfehler: " + shown_name(description);
}

}  // namespace dlt
