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

// How the pixels of a bitmap without a colour table are written.
enum class Channels { Rgb, Rgba };

// Row y as libpng reads it. Display pixels lie in memory as B, G, R, X on little-endian
// machines; libpng swaps the first three as it writes, and drops the fourth or writes it as alpha.
png_bytep RowOf(const Bitmap& bitmap, std::size_t y) {
  const auto width = static_cast<std::size_t>(bitmap.width);
  if (bitmap.hasColourTable()) return const_cast<png_bytep>(bitmap.indices.data() + y * width);
  return reinterpret_cast<png_bytep>(const_cast<std::uint32_t*>(bitmap.pixels.data() + y * width));
}

bool Encodes(const Bitmap& bitmap) {
  const auto count = static_cast<std::size_t>(bitmap.width) * std::size_t(bitmap.height);
  if (bitmap.width <= 0 || bitmap.height <= 0) return false;
  if (!bitmap.hasColourTable()) return bitmap.pixels.size() == count;
  return bitmap.indices.size() == count && !bitmap.colourTable.empty() &&
         bitmap.colourTable.size() <= 256;
}

std::optional<std::vector<std::uint8_t>> Encode(const Bitmap& bitmap,
                                                const std::optional<PngText>& text,
                                                Channels channels) {
  if (!Encodes(bitmap)) return std::nullopt;
  std::vector<std::uint8_t> bytes;
  std::vector<png_color> palette;
  for (const ColourTableEntry& entry : bitmap.colourTable) {
    palette.push_back({entry.red, entry.green, entry.blue});
  }
  png_text chunk{};
  if (text) {
    chunk.compression = PNG_TEXT_COMPRESSION_NONE;
    chunk.key = const_cast<png_charp>(text->keyword.c_str());
    chunk.text = const_cast<png_charp>(text->text.c_str());
    chunk.text_length = text->text.size();
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
  // libpng's own limits are for reading files from elsewhere; what PNG itself allows is written.
  png_set_user_limits(png, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
  const auto width = static_cast<png_uint_32>(bitmap.width);
  const auto height = static_cast<png_uint_32>(bitmap.height);
  const int type = bitmap.hasColourTable()      ? PNG_COLOR_TYPE_PALETTE
                   : channels == Channels::Rgba ? PNG_COLOR_TYPE_RGB_ALPHA
                                                : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, width, height, 8, type, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (bitmap.hasColourTable()) {
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    // Indices in long runs, as painted pictures have, take zlib's default level twice as long to
    // compress as its fastest, for some 6 to 13% fewer bytes: too dear where a batch writes a
    // thousand skins or the window waits on a large picture.
    png_set_compression_level(png, 1);
  }
  if (text) png_set_text(png, info, &chunk, 1);
  png_write_info(png, info);
  if (!bitmap.hasColourTable()) {
    const bool little = std::endian::native == std::endian::little;
    if (little) png_set_bgr(png);
    if (channels == Channels::Rgb) {
      png_set_filler(png, 0, little ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    } else if (!little) {
      png_set_swap_alpha(png);
    }
  }
  // A row at a time: no table of rows, however tall the picture.
  for (std::size_t y = 0; y < height; ++y) png_write_row(png, RowOf(bitmap, y));
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return bytes;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodePng(const Bitmap& bitmap,
                                                   const std::optional<PngText>& text) {
  return Encode(bitmap, text, Channels::Rgb);
}

std::optional<std::vector<std::uint8_t>> EncodePngWithAlpha(const Bitmap& bitmap) {
  if (bitmap.hasColourTable()) return std::nullopt;
  return Encode(bitmap, std::nullopt, Channels::Rgba);
}

}  // namespace tintara
