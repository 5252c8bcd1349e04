#include "app/same_file.h"

#include <filesystem>
#include <system_error>

namespace dlt {

namespace {

namespace fs = std::filesystem;

// The file the links from path finally name, which need not exist; where a
// link cannot be read, the link itself.
fs::path followed(fs::path path) {
  // As many links as the system follows in one name.
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    fs::path next = fs::read_symlink(path, error);
    if (error) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return path;
}

// A new file's place: its directory as the system finds it ("d/.." where d
// is a link is not "."), then its name.
fs::path place_of_new(const fs::path& path) {
  std::error_code error;
  fs::path whole = fs::absolute(path, error);
  if (error) whole = path;
  fs::path place = fs::weakly_canonical(whole, error);
  return error ? whole.lexically_normal() : place;
}

}  // namespace

bool same_file(const std::string& a, const std::string& b) {
  fs::path target_a = followed(a);
  fs::path target_b = followed(b);
  std::error_code error_a;
  std::error_code error_b;
  fs::file_status status_a = fs::status(target_a, error_a);
  fs::file_status status_b = fs::status(target_b, error_b);
  bool exists_a = fs::exists(status_a);
  bool exists_b = fs::exists(status_b);
  if (exists_a != exists_b) return false;
  if (exists_a) {
    if (!fs::is_regular_file(status_a) || !fs::is_regular_file(status_b)) return false;
    std::error_code error;
    return fs::equivalent(target_a, target_b, error) && !error;
  }
  return place_of_new(target_a) == place_of_new(target_b);
}

}  // namespace dlt
