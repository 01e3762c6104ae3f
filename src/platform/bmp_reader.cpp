#include "platform/bmp_reader.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstring>
#include <optional>

#include "platform/file_io.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeader = 12;
constexpr std::uint32_t kInfoHeader = 40;
constexpr std::uint32_t kOs2Header = 64;

// The headers, the masks and the largest colour table all lie within the first kLayoutBytes bytes:
// those of a V5 header, the largest, and of 256 four-byte entries.
constexpr std::size_t kLayoutBytes = kFileHeaderSize + 124 + 256 * 4;

constexpr char kNotBmp[] = N_("not a BMP file");
constexpr char kUnsupported[] = N_("a kind of BMP file this program does not read");
constexpr char kDamaged[] = N_("the file is damaged");

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

// The headers and the colour table, or why they cannot be used, from the file's first bytes (all
// of them up to kLayoutBytes) and its size.
Expected<Layout> ReadLayout(std::span<const std::uint8_t> head, std::size_t fileSize,
                            std::uint64_t maxPixels) {
  const auto fail = [](const char* why) { return Problem{Tr(why)}; };
  if (head.size() < kFileHeaderSize + 4 || head[0] != 'B' || head[1] != 'M') {
    return fail(kNotBmp);
  }
  const std::uint32_t headerSize = U32(head, kFileHeaderSize);
  if (!IsKnownHeaderSize(headerSize)) return fail(kUnsupported);
  if (head.size() < kFileHeaderSize + headerSize) return fail(kDamaged);

  Layout layout;
  std::int64_t width = 0;
  std::int64_t height = 0;
  std::uint32_t planes = 0;
  std::uint32_t clrUsed = 0;
  std::size_t tableOffset = kFileHeaderSize + headerSize;
  if (headerSize == kCoreHeader) {
    width = U16(head, 18);
    height = U16(head, 20);
    planes = U16(head, 22);
    layout.bitsPerPixel = U16(head, 24);
  } else {
    width = S32(head, 18);
    height = S32(head, 22);
    planes = U16(head, 26);
    layout.bitsPerPixel = U16(head, 28);
    layout.compression = U32(head, 30);
    clrUsed = U32(head, 46);
  }
  layout.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (width <= 0 || height == 0) return fail(kDamaged);
  if (static_cast<std::uint64_t>(width * height) > maxPixels) {
    return PictureTooLarge(width, height);
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
      if (head.size() < tableOffset) return fail(kDamaged);
    }
    for (std::size_t c = 0; c < 3; ++c) {
      layout.masks[c] = U32(head, masksAt + 4 * c);
      if (!IsUsableMask(layout.masks[c], bits)) return fail(kUnsupported);
    }
  } else if (bits == 16) {
    layout.masks = {0x7C00, 0x03E0, 0x001F};
  } else if (bits > 16) {
    layout.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  }

  layout.pixelOffset = U32(head, 10);
  if (layout.pixelOffset < tableOffset || layout.pixelOffset > fileSize) {
    return fail(kDamaged);
  }
  if (bits <= 8) {
    const std::size_t entrySize = headerSize == kCoreHeader ? 3 : 4;
    if (!ReadColourTable(head, tableOffset, entrySize, clrUsed, layout)) return fail(kDamaged);
  }
  return layout;
}

std::size_t Stride(const Layout& layout) {
  return (static_cast<std::size_t>(layout.width) * layout.bitsPerPixel + 31) / 32 * 4;
}

// The bytes of a stored row without its padding, which the last row may lack.
std::size_t RowBytes(const Layout& layout) {
  return (static_cast<std::size_t>(layout.width) * layout.bitsPerPixel + 7) / 8;
}

// Pixel i of a row of 4-bit pixels, the first in the high half of each byte.
std::uint8_t NibbleAt(const std::uint8_t* row, std::size_t i) {
  return static_cast<std::uint8_t>((i & 1) ? row[i / 2] & 0x0F : row[i / 2] >> 4);
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

// Where a file's bytes come from: memory, or the file itself, its rows read straight into place.
class Source {
 public:
  // The file's size, as far as it is known before it is read.
  virtual std::size_t size() const = 0;
  // Up to count bytes from offset on, fewer where the file ends; valid until the next call.
  virtual Expected<std::span<const std::uint8_t>> Bytes(std::size_t offset, std::size_t count) = 0;
  // Fills each row with rowBytes bytes, the first row's from offset on and each next row's stride
  // bytes further: how many rows were there in full.
  virtual Expected<std::size_t> ReadRows(std::size_t offset, std::size_t stride,
                                         std::size_t rowBytes,
                                         std::span<std::uint8_t* const> rows) = 0;

 protected:
  ~Source() = default;
};

class MemorySource final : public Source {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  std::size_t size() const override { return bytes_.size(); }

  Expected<std::span<const std::uint8_t>> Bytes(std::size_t offset, std::size_t count) override {
    const std::span<const std::uint8_t> rest = bytes_.subspan(std::min(offset, bytes_.size()));
    return rest.first(std::min(count, rest.size()));
  }

  Expected<std::size_t> ReadRows(std::size_t offset, std::size_t stride, std::size_t rowBytes,
                                 std::span<std::uint8_t* const> rows) override {
    for (std::size_t i = 0; i < rows.size(); ++i, offset += stride) {
      if (offset > bytes_.size() || bytes_.size() - offset < rowBytes) return i;
      std::memcpy(rows[i], bytes_.data() + offset, rowBytes);
    }
    return rows.size();
  }

 private:
  std::span<const std::uint8_t> bytes_;
};

class FileSource final : public Source {
 public:
  explicit FileSource(const ReadOnlyFile& file) : file_(file) {}

  std::size_t size() const override { return file_.size(); }

  Expected<std::span<const std::uint8_t>> Bytes(std::size_t offset, std::size_t count) override {
    buffer_.resize(offset < file_.size() ? std::min(count, file_.size() - offset) : 0);
    const std::span<std::uint8_t> whole(buffer_);
    const Expected<std::size_t> read = file_.ReadAt(offset, {&whole, 1});
    if (!read) return read.problem();
    return std::span<const std::uint8_t>(buffer_).first(*read);
  }

  Expected<std::size_t> ReadRows(std::size_t offset, std::size_t stride, std::size_t rowBytes,
                                 std::span<std::uint8_t* const> rows) override {
    // The system's cost for each piece it fills outweighs copying a short row once more while it
    // is in the cache.
    constexpr std::size_t kShortRow = 2048;
    const std::size_t span = stride * (rows.size() - 1) + rowBytes;
    if (rowBytes < kShortRow) {
      const Expected<std::span<const std::uint8_t>> bytes = Bytes(offset, span);
      if (!bytes) return bytes.problem();
      return MemorySource(*bytes).ReadRows(0, stride, rowBytes, rows);
    }
    pieces_.clear();
    for (std::size_t i = 0; i < rows.size(); ++i) {
      pieces_.emplace_back(rows[i], rowBytes);
      if (stride > rowBytes && i + 1 < rows.size()) {
        pieces_.emplace_back(padding_.data(), stride - rowBytes);
      }
    }
    const Expected<std::size_t> read = file_.ReadAt(offset, pieces_);
    if (!read) return read.problem();
    return *read < rowBytes ? 0 : (*read - rowBytes) / stride + 1;
  }

 private:
  const ReadOnlyFile& file_;
  std::vector<std::uint8_t> buffer_;
  std::vector<std::span<std::uint8_t>> pieces_;
  std::array<std::uint8_t, 3> padding_{};  // where each row's padding goes
};

// Reads the stored rows in the file's order, each straight into the end of the row of `out` it
// becomes, and has `widen` spread every row over its whole output row in place. The problem when
// the rows could not be read or end early.
template <typename Widen>
std::optional<Problem> ReadRowsInPlace(Source& source, const Layout& layout, std::uint8_t* out,
                                       std::size_t outRowBytes, Widen widen) {
  // Rows are read in runs of up to 256 KB, which stay in the cache to be widened.
  constexpr std::size_t kRunBytes = std::size_t{1} << 18;
  std::array<std::uint8_t*, 1024> rows;
  const std::size_t height = static_cast<std::size_t>(layout.height);
  const std::size_t stride = Stride(layout);
  const std::size_t rowBytes = RowBytes(layout);
  const std::size_t runRows = std::clamp<std::size_t>(kRunBytes / stride, 1, rows.size());
  const auto outRow = [&](std::size_t stored) {
    return out + (layout.topDown ? stored : height - 1 - stored) * outRowBytes;
  };
  std::size_t offset = layout.pixelOffset;
  for (std::size_t first = 0; first < height;) {
    const std::size_t count = std::min(runRows, height - first);
    for (std::size_t i = 0; i < count; ++i) rows[i] = outRow(first + i) + outRowBytes - rowBytes;
    const Expected<std::size_t> read =
        source.ReadRows(offset, stride, rowBytes, {rows.data(), count});
    if (!read) return read.problem();
    if (*read < count) return Problem{Tr(kDamaged)};  // the file shrank since its size was checked
    for (std::size_t i = 0; i < count; ++i) widen(outRow(first + i));
    first += count;
    offset += count * stride;
  }
  return std::nullopt;
}

// Spreads a row of 1- or 4-bit pixels to one byte a pixel.
void UnpackRow(const std::uint8_t* in, std::size_t width, unsigned bits, std::uint8_t* row) {
  const unsigned perByte = 8 / bits;
  const unsigned mask = (1u << bits) - 1;
  for (std::size_t x = 0; x < width; ++x) {
    const unsigned shift = 8 - bits * (1 + static_cast<unsigned>(x % perByte));
    row[x] = static_cast<std::uint8_t>((in[x / perByte] >> shift) & mask);
  }
}

// Widens a row of 16-, 24- or 32-bit pixels, held at the end of its output row, to 0xFFRRGGBB.
// Going left to right, each output pixel overwrites only input bytes already used up.
template <std::size_t kBytesPerPixel, std::uint32_t (*kLoad)(const std::uint8_t*)>
void WidenDeepRowInPlace(std::uint8_t* row, std::size_t width, const std::array<Channel, 3>& rgb) {
  const std::uint8_t* in = row + width * (4 - kBytesPerPixel);
  std::uint32_t* out = reinterpret_cast<std::uint32_t*>(row);
  for (std::size_t x = 0; x < width; ++x, in += kBytesPerPixel) {
    const std::uint32_t value = kLoad(in);
    out[x] = 0xFF000000u | (rgb[0](value) << 16) | (rgb[1](value) << 8) | rgb[2](value);
  }
}

// Index rows are appended top row first, each copied once from the stored bytes (a view of the
// file in memory, or a run read from the file that stays in the cache): the indices are never
// zero-filled first, which would cost a pass of its own over a large picture.
std::optional<Problem> ReadIndexRows(Source& source, const Layout& layout,
                                     std::vector<std::uint8_t>& indices) {
  constexpr std::size_t kRunBytes = std::size_t{1} << 18;
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t height = static_cast<std::size_t>(layout.height);
  const std::size_t stride = Stride(layout);
  const std::size_t rowBytes = RowBytes(layout);
  const std::size_t runRows = std::max<std::size_t>(kRunBytes / stride, 1);
  const unsigned bits = static_cast<unsigned>(layout.bitsPerPixel);
  std::vector<std::uint8_t> unpacked(bits == 8 ? 0 : width);
  indices.clear();
  indices.reserve(width * height);
  for (std::size_t top = 0; top < height;) {
    const std::size_t count = std::min(runRows, height - top);
    // The stored rows of the output rows top .. top + count - 1, lowest stored first.
    const std::size_t first = layout.topDown ? top : height - top - count;
    const std::size_t span = stride * (count - 1) + rowBytes;
    const Expected<std::span<const std::uint8_t>> run =
        source.Bytes(layout.pixelOffset + first * stride, span);
    if (!run) return run.problem();
    if (run->size() < span)
      return Problem{Tr(kDamaged)};  // the file shrank since its size was checked
    for (std::size_t i = 0; i < count; ++i) {
      const std::size_t stored = layout.topDown ? i : count - 1 - i;
      const std::uint8_t* row = run->data() + stored * stride;
      if (bits == 8) {
        indices.insert(indices.end(), row, row + width);
      } else {
        UnpackRow(row, width, bits, unpacked.data());
        indices.insert(indices.end(), unpacked.begin(), unpacked.end());
      }
    }
    top += count;
  }
  return std::nullopt;
}

std::optional<Problem> ReadDeepRows(Source& source, const Layout& layout,
                                    std::vector<std::uint32_t>& pixels) {
  const std::size_t width = static_cast<std::size_t>(layout.width);
  pixels.resize(width * static_cast<std::size_t>(layout.height));
  const std::array<Channel, 3> rgb = {Channel(layout.masks[0]), Channel(layout.masks[1]),
                                      Channel(layout.masks[2])};
  std::uint8_t* const out = reinterpret_cast<std::uint8_t*>(pixels.data());
  const auto read = [&]<std::size_t kBytes, std::uint32_t (*kLoad)(const std::uint8_t*)>() {
    return ReadRowsInPlace(source, layout, out, width * 4, [&](std::uint8_t* row) {
      WidenDeepRowInPlace<kBytes, kLoad>(row, width, rgb);
    });
  };
  switch (layout.bitsPerPixel) {
    case 16:
      return read.template operator()<2, Load16>();
    case 24:
      return read.template operator()<3, Load24>();
    default:
      return read.template operator()<4, Load32>();
  }
}

Expected<Bitmap> Decode(Source& source, const PictureLimits& limits) {
  Expected<std::span<const std::uint8_t>> head = source.Bytes(0, kLayoutBytes);
  if (!head) return std::move(head).problem();
  // A head shorter than asked for is the whole file, also when the file shrank since it was opened.
  const std::size_t size = head->size() < kLayoutBytes ? head->size() : source.size();
  Expected<Layout> layout = ReadLayout(*head, size, std::min(limits.maxPixels, kMaxBmpPixels));
  if (!layout) return std::move(layout).problem();

  Bitmap bitmap;
  bitmap.width = layout->width;
  bitmap.height = layout->height;
  bitmap.bitsPerPixel = layout->bitsPerPixel;
  if (limits.colourTableOnly && !bitmap.hasColourTable()) return bitmap;
  if (layout->compression == kRle8 || layout->compression == kRle4) {
    Expected<std::span<const std::uint8_t>> stream =
        source.Bytes(layout->pixelOffset, size - layout->pixelOffset);
    if (!stream) return std::move(stream).problem();
    if (!RleDecoder(*stream, *layout, nullptr).Run()) return Problem{Tr(kDamaged)};
    RleDecoder(*stream, *layout, &bitmap.indices).Run();
  } else {
    // Uncompressed data must be present in full before anything is allocated for it.
    const std::size_t needed =
        Stride(*layout) * static_cast<std::size_t>(layout->height - 1) + RowBytes(*layout);
    if (size - layout->pixelOffset < needed) return Problem{Tr(kDamaged)};
    std::optional<Problem> problem = bitmap.hasColourTable()
                                         ? ReadIndexRows(source, *layout, bitmap.indices)
                                         : ReadDeepRows(source, *layout, bitmap.pixels);
    if (problem) return std::move(*problem);
  }
  bitmap.colourTable = std::move(layout->colourTable);
  return bitmap;
}

}  // namespace

Problem PictureTooLarge(std::uint64_t width, std::uint64_t height) {
  return Problem{Filled(Tr("the picture is too large (%s x %s pixels)"),
                        {std::to_string(width), std::to_string(height)})};
}

Expected<Bitmap> DecodeBmp(std::span<const std::uint8_t> bytes, const PictureLimits& limits) {
  MemorySource source(bytes);
  return Decode(source, limits);
}

Expected<Bitmap> ReadBmpFile(const std::string& path, const PictureLimits& limits) {
  const Expected<ReadOnlyFile> file = ReadOnlyFile::Open(path, kMaxBmpFileBytes);
  if (!file) return file.problem();
  FileSource source(*file);
  Expected<Bitmap> bitmap = Decode(source, limits);
  if (!bitmap) return Problem{std::move(bitmap).problem().message, path};
  return bitmap;
}

}  // namespace tintara
