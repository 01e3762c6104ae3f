#include "platform/png_reader.h"

#include <png.h>

#include <algorithm>
#include <bit>
#include <csetjmp>
#include <cstring>
#include <new>
#include <vector>

#include "platform/file_io.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr std::size_t kSignatureBytes = 8;
// Of the ancillary chunks only text is read, a few chunks each small; a larger one is skipped
// unread, and so are those past the count.
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t{1} << 20;
constexpr png_uint_32 kMaxAncillaryChunks = 64;
// libpng holds rows of up to 8 bytes a pixel beside the picture: rows are kept to 8 MB each.
constexpr png_uint_32 kMaxWidth = png_uint_32{1} << 20;

constexpr char kNotPng[] = N_("not a PNG file");
constexpr char kDamaged[] = N_("the file is damaged");

// Where a file's bytes come from, read in order from just after the signature. A read never
// throws: libpng's C frames lie between it and the decoder.
class Source {
 public:
  virtual ~Source() = default;
  // Fills `out` whole; false when the data ends first or cannot be read.
  virtual bool Read(std::uint8_t* out, std::size_t count) noexcept = 0;
  // Why a read failed other than by the data ending, naming the path.
  virtual std::optional<Problem> problem() const { return std::nullopt; }
};

class MemorySource : public Source {
 public:
  explicit MemorySource(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

  bool Read(std::uint8_t* out, std::size_t count) noexcept override {
    if (bytes_.size() - at_ < count) return false;
    std::memcpy(out, bytes_.data() + at_, count);
    at_ += count;
    return true;
  }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t at_ = 0;
};

// libpng asks for a few bytes at a time: they come from a buffer, refilled 64 KB at a time.
class FileSource : public Source {
 public:
  explicit FileSource(const ReadOnlyFile& file) : file_(file), buffer_(std::size_t{1} << 16) {}

  bool Read(std::uint8_t* out, std::size_t count) noexcept override {
    while (count > 0) {
      if (next_ == end_ && !Refill()) return false;
      const std::size_t piece = std::min(count, end_ - next_);
      std::memcpy(out, buffer_.data() + next_, piece);
      next_ += piece;
      out += piece;
      count -= piece;
    }
    return true;
  }

  std::optional<Problem> problem() const override { return problem_; }

 private:
  bool Refill() noexcept {
    try {
      const std::span<std::uint8_t> whole(buffer_);
      const Expected<std::size_t> read = file_.ReadAt(offset_, {&whole, 1});
      if (!read) {
        problem_ = read.problem();
        return false;
      }
      offset_ += *read;
      next_ = 0;
      end_ = *read;
      return end_ > 0;
    } catch (...) {  // out of memory for the problem's words: told as a failed read
      return false;
    }
  }

  const ReadOnlyFile& file_;
  std::vector<std::uint8_t> buffer_;
  std::size_t offset_ = 0;
  std::size_t next_ = 0;
  std::size_t end_ = 0;
  std::optional<Problem> problem_;
};

void ReadBytes(png_structp png, png_bytep out, png_size_t count) {
  if (!static_cast<Source*>(png_get_io_ptr(png))->Read(out, count)) png_error(png, "cut short");
}

// libpng reports through longjmp; warnings are not the caller's business.
void DropWarning(png_structp, png_const_charp) {}

[[noreturn]] void JumpBack(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// The read struct and its info, destroyed however the decoding ends.
struct ReadStruct {
  png_structp png = nullptr;
  png_infop info = nullptr;
  ~ReadStruct() { png_destroy_read_struct(&png, &info, nullptr); }
};

struct Header {
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int depth = 0;
  int colourType = 0;
  int passes = 1;
  png_size_t rowBytes = 0;
};

// The steps that call libpng, each with its own jump point and no C++ object of its own, so that
// a jump back skips no destructor; each is false when libpng found the data wrong.

bool ReadHeader(png_structp png, png_infop info, Header* header) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  png_get_IHDR(png, info, &header->width, &header->height, &header->depth, &header->colourType,
               nullptr, nullptr, nullptr);
  return true;
}

// Asks for one index byte a pixel from a palette picture, and 0xFFRRGGBB (the alpha byte still
// to be set) from any other.
bool PrepareRows(png_structp png, png_infop info, Header* header) {
  if (setjmp(png_jmpbuf(png))) return false;
  if (header->colourType == PNG_COLOR_TYPE_PALETTE) {
    png_set_packing(png);
  } else {
    png_set_scale_16(png);
    png_set_expand_gray_1_2_4_to_8(png);
    png_set_gray_to_rgb(png);
    const bool little = std::endian::native == std::endian::little;
    if (little) png_set_bgr(png);
    if ((header->colourType & PNG_COLOR_MASK_ALPHA) == 0) {
      png_set_filler(png, 0xFF, little ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    } else if (!little) {
      png_set_swap_alpha(png);
    }
  }
  header->passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  header->rowBytes = png_get_rowbytes(png, info);
  return true;
}

// Reads the next row of the pass into `row`, combining it with what the row holds from the passes
// before.
bool ReadRow(png_structp png, png_bytep row) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_row(png, row, nullptr);
  return true;
}

// Reads the chunks after the pixels, up to the end of the file.
bool ReadEnd(png_structp png, png_infop info) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_end(png, info);
  return true;
}

// The text of the first tEXt chunk with the keyword: the keyword, a NUL, then the text, which
// holds no other NUL in a well-formed chunk.
std::optional<std::string> TextOf(png_structp png, png_infop info, std::string_view keyword) {
  png_unknown_chunkp chunks = nullptr;
  const int count = png_get_unknown_chunks(png, info, &chunks);
  for (int i = 0; i < count; ++i) {
    const std::string_view data(reinterpret_cast<const char*>(chunks[i].data), chunks[i].size);
    const std::size_t end = data.find('\0');
    if (end == std::string_view::npos || data.substr(0, end) != keyword) continue;
    const std::string_view text = data.substr(end + 1);
    if (text.find('\0') == std::string_view::npos) return std::string(text);
  }
  return std::nullopt;
}

// The palette, at most as many entries as the pixels can index.
std::vector<ColourTableEntry> PaletteOf(png_structp png, png_infop info, int depth) {
  png_colorp palette = nullptr;
  int count = 0;
  std::vector<ColourTableEntry> table;
  if (png_get_PLTE(png, info, &palette, &count) == 0) return table;
  for (int i = 0; i < std::min(count, 1 << depth); ++i) {
    table.push_back({palette[i].blue, palette[i].green, palette[i].red, 0});
  }
  return table;
}

Expected<PngReading> Decode(Source& source, std::string_view keyword, const PictureLimits& limits) {
  // A source that cannot be read says why; one that ends early is no PNG.
  const auto failed = [&source](const char* why) {
    return source.problem().value_or(Problem{Tr(why)});
  };
  std::uint8_t signature[kSignatureBytes];
  if (!source.Read(signature, kSignatureBytes) || !HasPngSignature(signature)) {
    return failed(kNotPng);
  }
  ReadStruct read;
  read.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpBack, DropWarning);
  if (read.png == nullptr) throw std::bad_alloc();
  read.info = png_create_info_struct(read.png);
  if (read.info == nullptr) throw std::bad_alloc();
  png_set_read_fn(read.png, &source, ReadBytes);
  png_set_sig_bytes(read.png, static_cast<int>(kSignatureBytes));
  // The picture's size is checked below, in the words the BMP reader uses; libpng only keeps
  // sizes within what that check can count.
  png_set_user_limits(read.png, static_cast<png_uint_32>(kMaxBmpPixels),
                      static_cast<png_uint_32>(kMaxBmpPixels));
  png_set_chunk_cache_max(read.png, kMaxAncillaryChunks);
  png_set_chunk_malloc_max(read.png, kMaxChunkBytes);
  // libpng's own handlers allocate what a chunk declares, whatever the limit (it only warns):
  // every ancillary chunk but transparency is skipped, and the text asked for is kept raw, within
  // the limit.
  png_set_keep_unknown_chunks(read.png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  if (!keyword.empty()) {
    static constexpr png_byte kText[] = "tEXt";
    png_set_keep_unknown_chunks(read.png, PNG_HANDLE_CHUNK_ALWAYS, kText, 1);
  }

  Header header;
  if (!ReadHeader(read.png, read.info, &header)) return failed(kDamaged);
  if (std::uint64_t{header.width} * header.height > std::min(limits.maxPixels, kMaxBmpPixels) ||
      header.width > kMaxWidth) {
    return PictureTooLarge(header.width, header.height);
  }
  const bool palette = header.colourType == PNG_COLOR_TYPE_PALETTE;
  PngReading reading;
  Bitmap& bitmap = reading.bitmap;
  bitmap.width = static_cast<int>(header.width);
  bitmap.height = static_cast<int>(header.height);
  bitmap.bitsPerPixel = palette                                           ? header.depth
                        : (header.colourType & PNG_COLOR_MASK_ALPHA) != 0 ? 32
                                                                          : 24;
  if (limits.colourTableOnly && !palette) return reading;
  if (!PrepareRows(read.png, read.info, &header)) return failed(kDamaged);
  const std::size_t width = header.width;
  const std::size_t area = width * header.height;
  if (header.rowBytes != width * (palette ? 1 : 4)) return failed(kDamaged);

  if (palette) {
    bitmap.colourTable = PaletteOf(read.png, read.info, header.depth);
    if (bitmap.colourTable.empty()) return failed(kDamaged);
  }
  // The pixels are allocated only once the first row (of the first pass) has decoded: a header
  // that declares a large picture over no pixel data costs no more than a row.
  std::vector<std::uint8_t> firstRow(header.rowBytes);
  if (!ReadRow(read.png, firstRow.data())) return failed(kDamaged);
  png_bytep rows = nullptr;
  if (palette) {
    bitmap.indices.resize(area);
    rows = bitmap.indices.data();
  } else {
    bitmap.pixels.resize(area);
    rows = reinterpret_cast<png_bytep>(bitmap.pixels.data());
  }
  std::memcpy(rows, firstRow.data(), header.rowBytes);
  firstRow = {};
  // The other rows; each pass after the first combines its pixels into the rows read before.
  for (int pass = 0; pass < header.passes; ++pass) {
    for (png_uint_32 y = pass == 0 ? 1 : 0; y < header.height; ++y) {
      if (!ReadRow(read.png, rows + y * header.rowBytes)) return failed(kDamaged);
    }
  }
  if (!ReadEnd(read.png, read.info)) return failed(kDamaged);
  // Pictures are shown opaque, as a BMP's are.
  for (std::uint32_t& pixel : bitmap.pixels) pixel |= 0xFF000000u;
  if (!keyword.empty()) reading.text = TextOf(read.png, read.info, keyword);
  return reading;
}

}  // namespace

bool HasPngSignature(std::span<const std::uint8_t> head) {
  return head.size() >= kSignatureBytes &&
         png_sig_cmp(const_cast<png_bytep>(head.data()), 0, kSignatureBytes) == 0;
}

Expected<bool> IsPngFile(const std::string& path) {
  const Expected<ReadOnlyFile> file = ReadOnlyFile::Open(path, kMaxPngFileBytes);
  if (!file) return file.problem();
  std::uint8_t head[kSignatureBytes];
  const std::span<std::uint8_t> piece(head);
  const Expected<std::size_t> read = file->ReadAt(0, {&piece, 1});
  if (!read) return read.problem();
  return HasPngSignature({head, *read});
}

Expected<PngReading> DecodePng(std::span<const std::uint8_t> bytes, std::string_view textKeyword,
                               const PictureLimits& limits) {
  MemorySource source(bytes);
  return Decode(source, textKeyword, limits);
}

Expected<PngReading> ReadPngFile(const std::string& path, std::string_view textKeyword,
                                 const PictureLimits& limits) {
  const Expected<ReadOnlyFile> file = ReadOnlyFile::Open(path, kMaxPngFileBytes);
  if (!file) return file.problem();
  FileSource source(*file);
  Expected<PngReading> reading = Decode(source, textKeyword, limits);
  if (!reading) {
    Problem problem = std::move(reading).problem();
    if (problem.file.empty()) problem.file = path;
    return problem;
  }
  return reading;
}

}  // namespace tintara
