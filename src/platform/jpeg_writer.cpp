#include "platform/jpeg_writer.h"

#include <bit>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <jpeglib.h>
// jerror.h after jpeglib.h, which it needs.
#include <jerror.h>

#include "platform/file_io.h"

namespace tintara {
namespace {

constexpr int kQuality = 90;

// A display pixel 0xFFRRGGBB lies in memory as B, G, R, X on little-endian machines. libjpeg-turbo
// reads such rows directly, which gives the same file as encoding a 24-bit RGB copy.
constexpr J_COLOR_SPACE kDisplayPixelLayout =
    std::endian::native == std::endian::little ? JCS_EXT_BGRX : JCS_EXT_XRGB;
constexpr int kBytesPerDisplayPixel = 4;

// libjpeg's error_exit must not return, and its default ends the process. This one jumps back to
// the session in Compress instead.
struct JumpingErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf escape;
};

[[noreturn]] void JumpBack(j_common_ptr info) {
  std::longjmp(reinterpret_cast<JumpingErrorManager*>(info->err)->escape, 1);
}

// Warnings would go to stderr; the caller only learns success or failure.
void DropMessage(j_common_ptr) {}

bool CoversPicture(const DisplayPixels& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.stride < picture.width) return false;
  const auto needed = static_cast<std::size_t>(picture.height - 1) * std::size_t(picture.stride) +
                      std::size_t(picture.width);
  return picture.pixels.size() >= needed;
}

// Collects the encoder's output in a malloc'd buffer that stays known here at every moment, so
// it can be freed after an error too; jpeg_mem_dest loses track of its buffer when a fatal error
// strikes after the buffer has grown.
struct MemoryDestination {
  jpeg_destination_mgr base;
  unsigned char* buffer;
  std::size_t capacity;
};

constexpr std::size_t kFirstOutputCapacity = 64 * 1024;

MemoryDestination* DestinationOf(j_compress_ptr info) {
  return reinterpret_cast<MemoryDestination*>(info->dest);
}

[[noreturn]] void FailOutOfMemory(j_compress_ptr info) {
  info->err->msg_code = JERR_OUT_OF_MEMORY;
  info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
  std::abort();  // error_exit never returns
}

void StartOutput(j_compress_ptr info) {
  MemoryDestination* dest = DestinationOf(info);
  dest->buffer = static_cast<unsigned char*>(std::malloc(kFirstOutputCapacity));
  if (dest->buffer == nullptr) FailOutOfMemory(info);
  dest->capacity = kFirstOutputCapacity;
  dest->base.next_output_byte = dest->buffer;
  dest->base.free_in_buffer = dest->capacity;
}

// Called when the buffer is full.
boolean GrowOutput(j_compress_ptr info) {
  MemoryDestination* dest = DestinationOf(info);
  const std::size_t grown = dest->capacity * 2;
  auto* bigger = static_cast<unsigned char*>(std::realloc(dest->buffer, grown));
  if (bigger == nullptr) FailOutOfMemory(info);
  dest->base.next_output_byte = bigger + dest->capacity;
  dest->base.free_in_buffer = grown - dest->capacity;
  dest->buffer = bigger;
  dest->capacity = grown;
  return TRUE;
}

void FinishOutput(j_compress_ptr) {}

// What a libjpeg session works on. It lives in the caller's frame: after a jump back, Compress
// reads only this, none of its own locals, which would be indeterminate then.
struct Session {
  jpeg_compress_struct info;
  JumpingErrorManager errors;
  MemoryDestination dest;
  const JpegRowSource* rows;
  std::uint32_t* rowBuffer;
};

// One whole libjpeg session. Nothing here has a destructor, so a jump out of libjpeg skips none.
// The output buffer in `session.dest` is the caller's to free, also after a failure.
bool Compress(int width, int height, Session& session) {
  jpeg_compress_struct& info = session.info;
  info.err = jpeg_std_error(&session.errors.base);
  session.errors.base.error_exit = JumpBack;
  session.errors.base.output_message = DropMessage;
  if (setjmp(session.errors.escape) != 0) {
    jpeg_destroy_compress(&session.info);
    return false;
  }
  jpeg_create_compress(&info);
  session.dest.base.init_destination = StartOutput;
  session.dest.base.empty_output_buffer = GrowOutput;
  session.dest.base.term_destination = FinishOutput;
  info.dest = &session.dest.base;
  info.image_width = static_cast<JDIMENSION>(width);
  info.image_height = static_cast<JDIMENSION>(height);
  info.input_components = kBytesPerDisplayPixel;
  info.in_color_space = kDisplayPixelLayout;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, kQuality, TRUE);
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    const std::uint32_t* pixels =
        (*session.rows)(static_cast<int>(info.next_scanline), session.rowBuffer);
    // libjpeg only reads the rows; its interface just lacks const.
    JSAMPROW row = reinterpret_cast<JSAMPLE*>(const_cast<std::uint32_t*>(pixels));
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  jpeg_destroy_compress(&info);
  return true;
}

struct FreeDeleter {
  void operator()(unsigned char* p) const { std::free(p); }
};

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const DisplayPixels& picture) {
  if (!CoversPicture(picture)) return std::nullopt;
  return EncodeJpegRows(picture.width, picture.height, [&picture](int y, std::uint32_t*) {
    return picture.pixels.data() + std::size_t(y) * std::size_t(picture.stride);
  });
}

std::optional<std::vector<std::uint8_t>> EncodeJpegRows(int width, int height,
                                                        const JpegRowSource& rows) {
  if (width <= 0 || height <= 0 || !FitsJpeg(width, height)) return std::nullopt;
  std::vector<std::uint32_t> rowBuffer(static_cast<std::size_t>(width));
  Session session{};
  session.rows = &rows;
  session.rowBuffer = rowBuffer.data();
  const bool encoded = Compress(width, height, session);
  const MemoryDestination& dest = session.dest;
  const std::unique_ptr<unsigned char, FreeDeleter> owner(dest.buffer);
  if (!encoded) return std::nullopt;
  const std::size_t size = dest.capacity - dest.base.free_in_buffer;
  return std::vector<std::uint8_t>(dest.buffer, dest.buffer + size);
}

}  // namespace tintara
