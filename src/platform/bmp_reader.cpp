#include "platform/bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <optional>

#include "platform/file_io.h"

namespace tintara {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kOs2Header = 64;

constexpr char kNotBmp[] = "not a BMP file";
constexpr char kUnsupported[] = "a kind of BMP file this program does not read";
constexpr char kDamaged[] = "the file is damaged";

enum Compression : std::uint32_t {
  kRgb = 0,
  kRle8 = 1,
  kRle4 = 2,
  kBitFields = 3,
  kAlphaBitFields = 6,
};

// Little-endian loads; callers have checked that the bytes are there.
std::uint32_t Load16(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8);
}

std::uint32_t Load24(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | (std::uint32_t{p[1]} << 8) | (std::uint32_t{p[2]} << 16);
}

std::uint32_t Load32(const std::uint8_t* p) { return Load24(p) | (std::uint32_t{p[3]} << 24); }

std::uint32_t U16(std::span<const std::uint8_t> b, std::size_t at) { return Load16(&b[at]); }

std::uint32_t U32(std::span<const std::uint8_t> b, std::size_t at) { return Load32(&b[at]); }

std::int32_t S32(std::span<const std::uint8_t> b, std::size_t at) {
  return static_cast<std::int32_t>(U32(b, at));
}

// The old core header, the info header and its two rarely seen extensions that append the
// bit-field masks, the OS/2 2.x header, and the V4 and V5 headers.
bool IsKnownHeaderSize(std::uint32_t size) {
  return size == kCoreHeader || size == kInfoHeader || size == 52 || size == 56 ||
         size == kOs2Header || size == 108 || size == 124;
}

// Everything the pixel decoders need, checked against the file's size.
struct Layout {
  int width = 0;
  int height = 0;
  bool topDown = false;
  int bitsPerPixel = 0;
  std::uint32_t compression = kRgb;
  std::array<std::uint32_t, 3> masks{};  // red, green, blue
  std::size_t pixelOffset = 0;
  std::vector<ColourTableEntry> colourTable;
};

bool HasBitFields(std::uint32_t compression) {
  return compression == kBitFields || compression == kAlphaBitFields;
}

bool CompressionFits(const Layout& layout, std::uint32_t headerSize) {
  switch (layout.compression) {
    case kRgb:
      return headerSize != kCoreHeader || layout.bitsPerPixel <= 8 || layout.bitsPerPixel == 24;
    case kRle8:
      return layout.bitsPerPixel == 8 && !layout.topDown;
    case kRle4:
      return layout.bitsPerPixel == 4 && !layout.topDown;
    case kBitFields:
    case kAlphaBitFields:
      // OS/2 uses these numbers for other schemes.
      return headerSize != kOs2Header && (layout.bitsPerPixel == 16 || layout.bitsPerPixel == 32);
    default:
      return false;
  }
}

// A usable mask is one run of set bits that fits in a pixel.
bool IsUsableMask(std::uint32_t mask, int bitsPerPixel) {
  if (mask == 0) return false;
  if (bitsPerPixel < 32 && (mask >> bitsPerPixel) != 0) return false;
  const std::uint32_t run = mask >> std::countr_zero(mask);
  return (run & (run + 1)) == 0;
}

// Reads the colour table that lies between the headers and the pixel data. A file may hold fewer
// entries than its header announces, as many files in the wild do: the table then ends where the
// pixel data begins, and pixels that index past its end show black. It must hold at least one.
bool ReadColourTable(std::span<const std::uint8_t> bytes, std::size_t tableOffset,
                     std::size_t entrySize, std::uint32_t clrUsed, Layout& layout) {
  const std::uint32_t capacity = std::uint32_t{1} << layout.bitsPerPixel;
  if (clrUsed > capacity) return false;
  const std::size_t announced = clrUsed == 0 ? capacity : clrUsed;
  const std::size_t count = std::min(announced, (layout.pixelOffset - tableOffset) / entrySize);
  if (count == 0) return false;
  layout.colourTable.resize(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::uint8_t* entry = bytes.data() + tableOffset + i * entrySize;
    layout.colourTable[i] = {entry[0], entry[1], entry[2], entrySize == 4 ? entry[3] : uint8_t{0}};
  }
  return true;
}

// The headers and the colour table, or why they cannot be used.
Expected<Layout> ReadLayout(std::span<const std::uint8_t> bytes) {
  const auto fail = [](const char* why) { return Problem{why}; };
  if (bytes.size() < kFileHeaderSize + 4 || bytes[0] != 'B' || bytes[1] != 'M') {
    return fail(kNotBmp);
  }
  const std::uint32_t headerSize = U32(bytes, kFileHeaderSize);
  if (!IsKnownHeaderSize(headerSize)) return fail(kUnsupported);
  if (bytes.size() < kFileHeaderSize + headerSize) return fail(kDamaged);

  Layout layout;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t clrUsed = 0;
  std::size_t tableOffset = kFileHeaderSize + headerSize;
  if (headerSize == kCoreHeader) {
    width = U16(bytes, 18);
    height = U16(bytes, 20);
    planes = U16(bytes, 22);
    layout.bitsPerPixel = U16(bytes, 24);
  } else {
    width = S32(bytes, 18);
    height = S32(bytes, 22);
    planes = U16(bytes, 26);
    layout.bitsPerPixel = U16(bytes, 28);
    layout.compression = U32(bytes, 30);
    clrUsed = U32(bytes, 46);
  }
  layout.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (width <= 0 || height == 0) return fail(kDamaged);
  if (static_cast<std::uint64_t>(width * height) > kMaxBmpPixels) {
    return Problem{"the picture is too large (" + std::to_string(width) + " x " +
                   std::to_string(height) + " pixels)"};
  }
  layout.width = static_cast<int>(width);
  layout.height = static_cast<int>(height);

  const int bits = layout.bitsPerPixel;
  if (planes != 1 ||
      (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)) {
    return fail(kUnsupported);
  }
  if (!CompressionFits(layout, headerSize)) return fail(kUnsupported);

  if (HasBitFields(layout.compression)) {
    // The plain info header keeps its masks in the words that follow it.
    const std::size_t masksAt = kFileHeaderSize + kInfoHeader;
    if (headerSize == kInfoHeader) {
      tableOffset += layout.compression == kAlphaBitFields ? 16 : 12;
      if (bytes.size() < tableOffset) return fail(kDamaged);
    }
    for (std::size_t c = 0; c < 3; ++c) {
      layout.masks[c] = U32(bytes, masksAt + 4 * c);
      if (!IsUsableMask(layout.masks[c], bits)) return fail(kUnsupported);
    }
  } else if (bits == 16) {
    layout.masks = {0x7C00, 0x03E0, 0x001F};
  } else if (bits > 16) {
    layout.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  }

  layout.pixelOffset = U32(bytes, 10);
  if (layout.pixelOffset < tableOffset || layout.pixelOffset > bytes.size()) {
    return fail(kDamaged);
  }
  if (bits <= 8) {
    const std::size_t entrySize = headerSize == kCoreHeader ? 3 : 4;
    if (!ReadColourTable(bytes, tableOffset, entrySize, clrUsed, layout)) return fail(kDamaged);
  }
  return layout;
}

std::size_t Stride(const Layout& layout) {
  return (static_cast<std::size_t>(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
}

// The bytes of the stored row that becomes output row `row` (top row first).
const std::uint8_t* StoredRow(std::span<const std::uint8_t> pixels, const Layout& layout,
                              std::size_t stride, int row) {
  const int stored = layout.topDown ? row : layout.height - 1 - row;
  return pixels.data() + static_cast<std::size_t>(stored) * stride;
}

// Uncompressed data must be present in full (the last row may lack its padding) before anything
// is allocated for it.
std::optional<std::span<const std::uint8_t>> UncompressedPixels(std::span<const std::uint8_t> bytes,
                                                                const Layout& layout) {
  const std::size_t rowBytes =
      (static_cast<std::size_t>(layout.width) * layout.bitsPerPixel + 7) / 8;
  const std::size_t needed =
      Stride(layout) * static_cast<std::size_t>(layout.height - 1) + rowBytes;
  if (bytes.size() - layout.pixelOffset < needed) return {};
  return bytes.subspan(layout.pixelOffset, needed);
}

// Pixel i of a row of 4-bit pixels, the first in the high half of each byte.
std::uint8_t NibbleAt(const std::uint8_t* row, std::size_t i) {
  return static_cast<std::uint8_t>((i & 1) ? row[i / 2] & 0x0F : row[i / 2] >> 4);
}

// Bottom-up rows are read from the end of the data backwards, which the hardware prefetcher does
// not follow from one row to the next; asking for a row ahead of time keeps the copy at full speed.
void Prefetch(const std::uint8_t* data, std::size_t size) {
  constexpr std::size_t kCacheLine = 64;
  for (std::size_t at = 0; at < size; at += kCacheLine) __builtin_prefetch(data + at);
}

// The hot path: whole rows appended to memory reserved once, with nothing zero-filled first.
void CopyEightBitRows(std::span<const std::uint8_t> pixels, const Layout& layout,
                      std::vector<std::uint8_t>& indices) {
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t stride = Stride(layout);
  indices.reserve(width * static_cast<std::size_t>(layout.height));
  for (int row = 0; row < layout.height; ++row) {
    if (row + 2 < layout.height) Prefetch(StoredRow(pixels, layout, stride, row + 2), width);
    const std::uint8_t* in = StoredRow(pixels, layout, stride, row);
    indices.insert(indices.end(), in, in + width);
  }
}

void UnpackRows(std::span<const std::uint8_t> pixels, const Layout& layout,
                std::vector<std::uint8_t>& indices) {
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t stride = Stride(layout);
  const unsigned bits = static_cast<unsigned>(layout.bitsPerPixel);
  const unsigned perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  indices.resize(width * static_cast<std::size_t>(layout.height));
  for (int row = 0; row < layout.height; ++row) {
    const std::uint8_t* in = StoredRow(pixels, layout, stride, row);
    std::uint8_t* out = indices.data() + static_cast<std::size_t>(row) * width;
    for (std::size_t x = 0; x < width; ++x) {
      const unsigned shift = 8 - bits * (1 + static_cast<unsigned>(x % perByte));
      out[x] = static_cast<std::uint8_t>((in[x / perByte] >> shift) & mask);
    }
  }
}

// Run-length decoding: writes the runs into a picture of index 0, bottom row first. Fails when a
// run or a move leaves the picture, or when the data ends while rows remain. Without a picture to
// write into it only checks the stream, so that a few bytes declaring a large picture cost
// nothing until they turn out to be a whole stream.
class RleDecoder {
 public:
  RleDecoder(std::span<const std::uint8_t> data, const Layout& layout,
             std::vector<std::uint8_t>* indices)
      : data_(data),
        nibbles_(layout.compression == kRle4),
        width_(static_cast<std::size_t>(layout.width)),
        height_(static_cast<std::size_t>(layout.height)),
        indices_(indices) {
    if (indices_ != nullptr) indices_->assign(width_ * height_, 0);
  }

  bool Run() {
    for (;;) {
      if (!Has(2)) return false;
      const std::uint8_t count = data_[pos_];
      const std::uint8_t value = data_[pos_ + 1];
      pos_ += 2;
      if (count > 0) {
        if (!Fill(count, value)) return false;
        continue;
      }
      switch (value) {
        case 0:  // end of line
          x_ = 0;
          if (++y_ == height_) return true;
          break;
        case 1:  // end of bitmap
          return true;
        case 2:  // move right and up
          if (!Has(2)) return false;
          x_ += data_[pos_];
          y_ += data_[pos_ + 1];
          pos_ += 2;
          if (x_ > width_ || y_ >= height_) return false;
          break;
        default:
          if (!CopyAbsolute(value)) return false;
          break;
      }
    }
  }

 private:
  bool Has(std::size_t n) const { return data_.size() - pos_ >= n; }

  std::uint8_t* RowOut() { return indices_->data() + (height_ - 1 - y_) * width_; }

  bool Fill(std::size_t count, std::uint8_t value) {
    if (count > width_ - x_) return false;
    x_ += count;
    if (indices_ == nullptr) return true;
    std::uint8_t* out = RowOut() + x_ - count;
    if (nibbles_) {
      const std::uint8_t pair[2] = {static_cast<std::uint8_t>(value >> 4),
                                    static_cast<std::uint8_t>(value & 0x0F)};
      for (std::size_t i = 0; i < count; ++i) out[i] = pair[i & 1];
    } else {
      std::memset(out, value, count);
    }
    return true;
  }

  // Literal pixels, padded to a 16-bit boundary in the data.
  bool CopyAbsolute(std::size_t count) {
    const std::size_t bytes = nibbles_ ? (count + 1) / 2 : count;
    if (count > width_ - x_ || !Has(bytes + (bytes & 1))) return false;
    if (indices_ != nullptr) {
      const std::uint8_t* in = data_.data() + pos_;
      std::uint8_t* out = RowOut() + x_;
      if (nibbles_) {
        for (std::size_t i = 0; i < count; ++i) out[i] = NibbleAt(in, i);
      } else {
        std::memcpy(out, in, count);
      }
    }
    x_ += count;
    pos_ += bytes + (bytes & 1);
    return true;
  }

  std::span<const std::uint8_t> data_;
  bool nibbles_;
  std::size_t width_;
  std::size_t height_;
  std::vector<std::uint8_t>* indices_;
  std::size_t pos_ = 0;
  std::size_t x_ = 0;
  std::size_t y_ = 0;
};

// Widens one bit-field channel to 8 bits, rounding, so that a full field gives 255.
class Channel {
 public:
  explicit Channel(std::uint32_t mask)
      : shift_(std::countr_zero(mask)), width_(std::popcount(mask)) {
    if (width_ > 8) {
      shift_ += width_ - 8;
      width_ = 8;
    }
    const std::uint32_t max = (std::uint32_t{1} << width_) - 1;
    for (std::uint32_t v = 0; v <= max; ++v) {
      scale_[v] = static_cast<std::uint8_t>((v * 255 + max / 2) / max);
    }
  }

  std::uint32_t operator()(std::uint32_t pixel) const {
    return scale_[(pixel >> shift_) & ((std::uint32_t{1} << width_) - 1)];
  }

 private:
  int shift_;
  int width_;
  std::array<std::uint8_t, 256> scale_{};
};

template <std::size_t kBytesPerPixel, std::uint32_t (*kLoad)(const std::uint8_t*)>
void DecodeDeepRows(std::span<const std::uint8_t> pixels, const Layout& layout,
                    std::vector<std::uint32_t>& out) {
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t stride = Stride(layout);
  const Channel red(layout.masks[0]);
  const Channel green(layout.masks[1]);
  const Channel blue(layout.masks[2]);
  out.resize(width * static_cast<std::size_t>(layout.height));
  for (int row = 0; row < layout.height; ++row) {
    const std::uint8_t* in = StoredRow(pixels, layout, stride, row);
    std::uint32_t* dst = out.data() + static_cast<std::size_t>(row) * width;
    for (std::size_t x = 0; x < width; ++x, in += kBytesPerPixel) {
      const std::uint32_t value = kLoad(in);
      dst[x] = 0xFF000000u | (red(value) << 16) | (green(value) << 8) | blue(value);
    }
  }
}

void DecodeDeep(std::span<const std::uint8_t> pixels, const Layout& layout,
                std::vector<std::uint32_t>& out) {
  switch (layout.bitsPerPixel) {
    case 16:
      return DecodeDeepRows<2, Load16>(pixels, layout, out);
    case 24:
      return DecodeDeepRows<3, Load24>(pixels, layout, out);
    case 32:
      return DecodeDeepRows<4, Load32>(pixels, layout, out);
  }
}

}  // namespace

Expected<Bitmap> DecodeBmp(std::span<const std::uint8_t> bytes) {
  Expected<Layout> layout = ReadLayout(bytes);
  if (!layout) return std::move(layout).problem();

  Bitmap bitmap;
  bitmap.width = layout->width;
  bitmap.height = layout->height;
  bitmap.bitsPerPixel = layout->bitsPerPixel;
  if (layout->compression == kRle8 || layout->compression == kRle4) {
    const std::span<const std::uint8_t> stream = bytes.subspan(layout->pixelOffset);
    if (!RleDecoder(stream, *layout, nullptr).Run()) return Problem{kDamaged};
    RleDecoder(stream, *layout, &bitmap.indices).Run();
  } else {
    const auto pixels = UncompressedPixels(bytes, *layout);
    if (!pixels) return Problem{kDamaged};
    if (bitmap.hasColourTable()) {
      if (layout->bitsPerPixel == 8) {
        CopyEightBitRows(*pixels, *layout, bitmap.indices);
      } else {
        UnpackRows(*pixels, *layout, bitmap.indices);
      }
    } else {
      DecodeDeep(*pixels, *layout, bitmap.pixels);
    }
  }
  bitmap.colourTable = std::move(layout->colourTable);
  return bitmap;
}

Expected<Bitmap> ReadBmpFile(const std::string& path) {
  Expected<std::vector<std::uint8_t>> file = ReadWholeFile(path, kMaxBmpFileBytes);
  if (!file) return std::move(file).problem();
  Expected<Bitmap> bitmap = DecodeBmp(*file);
  if (!bitmap) return Problem{std::move(bitmap).problem().message, path};
  return bitmap;
}

}  // namespace tintara
