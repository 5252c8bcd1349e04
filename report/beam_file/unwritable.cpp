#include "report/beam_file/unwritable.h"

#include "report/beam_file/toml_text.h"

namespace dlt {

std::string unwritable(std::string_view what) {
  std::string reason = "als Traegerdatei nicht darstellbar: ";
  reason.append(what);
  return reason;
}

std::string unwritable_at(std::string_view what, double x) {
  std::string reason = unwritable(what);
  reason.append(" bei x = ");
  append_toml_number(reason, x);
  return reason;
}

std::string with_value(std::string_view what, std::string_view key, double value) {
  std::string text(what);
  text.append(" mit ");
  text.append(key);
  text.push_back('=');
  append_toml_number(text, value);
  return text;
}

}  // namespace dlt
