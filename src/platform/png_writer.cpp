#include "platform/png_writer.h"

#include <png.h>

#include <bit>
#include <csetjmp>
#include <new>

namespace tintara {
namespace {

void Append(png_structp png, png_bytep data, png_size_t length) {
  auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
  // An exception must not cross libpng's C frames.
  try {
    bytes->insert(bytes->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    png_error(png, "out of memory");
  }
}

void Flush(png_structp) {}

// libpng reports through longjmp; warnings are not the caller's business.
void DropWarning(png_structp, png_const_charp) {}

[[noreturn]] void JumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// The rows as libpng reads them, top first. Display pixels lie in memory as B, G, R, X on
// little-endian machines; libpng drops the fourth byte and swaps the others as it writes.
std::vector<png_bytep> RowsOf(const Bitmap& bitmap) {
  std::vector<png_bytep> rows(static_cast<std::size_t>(bitmap.height));
  const auto width = static_cast<std::size_t>(bitmap.width);
  for (std::size_t y = 0; y < rows.size(); ++y) {
    rows[y] = bitmap.hasColourTable() ? const_cast<png_bytep>(bitmap.indices.data() + y * width)
                                      : reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(
                                            bitmap.pixels.data() + y * width));
  }
  return rows;
}

bool Encodes(const Bitmap& bitmap) {
  const auto count = static_cast<std::size_t>(bitmap.width) * std::size_t(bitmap.height);
  if (bitmap.width <= 0 || bitmap.height <= 0) return false;
  if (!bitmap.hasColourTable()) return bitmap.pixels.size() == count;
  return bitmap.indices.size() == count && !bitmap.colourTable.empty() &&
         bitmap.colourTable.size() <= 256;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const Bitmap& bitmap) {
  if (!Encodes(bitmap)) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::vector<png_bytep> rows = RowsOf(bitmap);
  std::vector<png_color> palette;
  for (const ColourTableEntry& entry : bitmap.colourTable) {
    palette.push_back({entry.red, entry.green, entry.blue});
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpBack, DropWarning);
  if (png == nullptr) return std::nullopt;
  png_infop info = png_create_info_struct(png);
  // Nothing below the jump point holds a C++ object of its own, so the jump leaks nothing.
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return std::nullopt;
  }
  png_set_write_fn(png, &bytes, Append, Flush);
  const auto width = static_cast<png_uint_32>(bitmap.width);
  const auto height = static_cast<png_uint_32>(bitmap.height);
  if (bitmap.hasColourTable()) {
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_PALETTE, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
  } else {
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  }
  png_set_rows(png, info, rows.data());
  const int transforms = bitmap.hasColourTable() ? PNG_TRANSFORM_IDENTITY
                         : std::endian::native == std::endian::little
                             ? PNG_TRANSFORM_BGR | PNG_TRANSFORM_STRIP_FILLER_AFTER
                             : PNG_TRANSFORM_STRIP_FILLER_BEFORE;
  png_write_png(png, info, transforms, nullptr);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

}  // namespace tintara
