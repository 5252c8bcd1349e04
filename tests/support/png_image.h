// A small PNG reader for the screenshots headless Chromium writes: 8-bit RGB
// or RGBA, not interlaced, rows in any of the five filters.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct PngImage {
  std::size_t width = 0;
  std::size_t height = 0;
  // Four bytes a pixel (red, green, blue, alpha), row by row from the top.
  std::vector<std::uint8_t> rgba;
};

// Decodes the bytes of a PNG file into image; false for anything it cannot
// read, a damaged or cut-off file included.
bool decode_png(std::string_view bytes, PngImage& image);

// Reads and decodes a PNG file; false where it cannot.
bool read_png(const std::string& path, PngImage& image);
