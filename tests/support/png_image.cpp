#include "tests/support/png_image.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include <zlib.h>

namespace {

constexpr std::string_view kSignature("\x89PNG\r\n\x1a\n", 8);
// Bounds the memory a damaged header can ask for; far above any screenshot.
constexpr std::size_t kMostPixels = std::size_t{1} << 24;
constexpr std::uint32_t kLongestChunk = 0x7fffffff;

std::uint32_t big_endian(std::string_view bytes, std::size_t at) {
  std::uint32_t value = 0;
  for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
  return value;
}

// The bytes a chunk's checksum covers: its type and its data.
bool checksum_matches(std::string_view type_and_data, std::uint32_t expected) {
  uLong crc = crc32(0L, Z_NULL, 0);
  crc = crc32(crc, reinterpret_cast<const Bytef*>(type_and_data.data()),
              static_cast<uInt>(type_and_data.size()));
  return crc == expected;
}

// Filter 4 predicts a byte by whichever of its left, upper and upper-left
// neighbours is closest to left + upper - upper left, in that order of ties.
int paeth(int left, int up, int up_left) {
  int estimate = left + up - up_left;
  int to_left = std::abs(estimate - left);
  int to_up = std::abs(estimate - up);
  int to_up_left = std::abs(estimate - up_left);
  if (to_left <= to_up && to_left <= to_up_left) return left;
  if (to_up <= to_up_left) return up;
  return up_left;
}

// Undoes the row filters in place. Each of the height rows in raw is a
// filter byte and stride bytes; a pixel has bpp bytes. Left of the first
// pixel and above the first row count as zero.
bool unfilter(std::vector<std::uint8_t>& raw, std::size_t height, std::size_t stride, std::size_t bpp) {
  for (std::size_t y = 0; y < height; ++y) {
    std::size_t row = y * (stride + 1) + 1;
    std::size_t up = row - (stride + 1);  // only used where y > 0
    std::uint8_t filter = raw[row - 1];
    if (filter > 4) return false;
    for (std::size_t x = 0; x < stride; ++x) {
      int left = x >= bpp ? raw[row + x - bpp] : 0;
      int above = y > 0 ? raw[up + x] : 0;
      int above_left = y > 0 && x >= bpp ? raw[up + x - bpp] : 0;
      int predicted = 0;
      switch (filter) {
        case 1:
          predicted = left;
          break;
        case 2:
          predicted = above;
          break;
        case 3:
          predicted = (left + above) / 2;
          break;
        case 4:
          predicted = paeth(left, above, above_left);
          break;
        default:
          break;
      }
      // Modulo 256, as the format adds.
      raw[row + x] = static_cast<std::uint8_t>(raw[row + x] + predicted);
    }
  }
  return true;
}

}  // namespace

bool decode_png(std::string_view bytes, PngImage& image) {
  image = PngImage{};
  if (bytes.substr(0, kSignature.size()) != kSignature) return false;
  std::size_t width = 0, height = 0, channels = 0;
  std::string compressed;  // the data of all IDAT chunks, in order
  bool ended = false;
  for (std::size_t at = kSignature.size(); !ended;) {
    // Length, type, data, checksum; a file cut off anywhere fails here.
    if (bytes.size() - at < 12) return false;
    std::uint32_t length = big_endian(bytes, at);
    if (length > kLongestChunk || length > bytes.size() - at - 12) return false;
    std::string_view type = bytes.substr(at + 4, 4);
    std::string_view data = bytes.substr(at + 8, length);
    if (!checksum_matches(bytes.substr(at + 4, 4 + std::size_t{length}), big_endian(bytes, at + 8 + length)))
      return false;
    at += 12 + std::size_t{length};

    bool first = channels == 0;
    if (first != (type == "IHDR")) return false;
    if (type == "IHDR") {
      if (length != 13) return false;
      width = big_endian(data, 0);
      height = big_endian(data, 4);
      // Bit depth, colour type, compression, filter method, interlace method.
      if (width == 0 || height == 0 || width > kMostPixels || height > kMostPixels / width) return false;
      if (data.substr(10) != std::string_view("\0\0\0", 3) || data[8] != 8) return false;
      if (data[9] == 2) {
        channels = 3;
      } else if (data[9] == 6) {
        channels = 4;
      } else {
        return false;
      }
    } else if (type == "IDAT") {
      compressed.append(data);
    } else if (type == "IEND") {
      ended = true;
    } else if ((static_cast<std::uint8_t>(type[0]) & 0x20) == 0 && type != "PLTE") {
      // A critical chunk this reader does not know: the image may depend on it.
      // Ancillary ones (lower-case first letter) and a suggested palette are
      // safe to pass over.
      return false;
    }
  }
  if (compressed.empty()) return false;

  std::size_t stride = width * channels;
  std::vector<std::uint8_t> raw(height * (stride + 1));
  uLongf inflated = raw.size();
  // Z_OK only where the stream is whole and fits; the size must match too.
  if (uncompress(raw.data(), &inflated, reinterpret_cast<const Bytef*>(compressed.data()),
                 compressed.size()) != Z_OK ||
      inflated != raw.size())
    return false;
  if (!unfilter(raw, height, stride, channels)) return false;

  image.width = width;
  image.height = height;
  image.rgba.resize(width * height * 4);
  for (std::size_t y = 0; y < height; ++y) {
    for (std::size_t x = 0; x < width; ++x) {
      std::size_t from = y * (stride + 1) + 1 + x * channels;
      std::size_t to = (y * width + x) * 4;
      for (std::size_t c = 0; c < 3; ++c) image.rgba[to + c] = raw[from + c];
      image.rgba[to + 3] = channels == 4 ? raw[from + 3] : 255;
    }
  }
  return true;
}

bool read_png(const std::string& path, PngImage& image) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    image = PngImage{};
    return false;
  }
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return decode_png(bytes.str(), image);
}
