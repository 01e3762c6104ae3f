#include "platform/jpeg_writer.h"

#include <bit>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
#include <new>

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

// The encoder's output goes on in pieces of this size: large enough that a piece costs little to
// pass on, small enough that a file written from them is on its way to the disk early.
constexpr std::size_t kOutputPiece = std::size_t{1} << 20;

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

// Hands the encoder's output to the sink a buffer at a time. The buffer belongs to the caller's
// frame, so that a jump out of libjpeg leaks nothing.
struct SinkDestination {
  jpeg_destination_mgr base;
  unsigned char* buffer;
  std::size_t capacity;
  const JpegByteSink* sink;
};

SinkDestination* DestinationOf(j_compress_ptr info) {
  return reinterpret_cast<SinkDestination*>(info->dest);
}

void StartOutput(j_compress_ptr info) {
  SinkDestination* dest = DestinationOf(info);
  dest->base.next_output_byte = dest->buffer;
  dest->base.free_in_buffer = dest->capacity;
}

void Pass(j_compress_ptr info, std::size_t size) {
  SinkDestination* dest = DestinationOf(info);
  if (size > 0 && !(*dest->sink)(std::span<const std::uint8_t>(dest->buffer, size))) {
    info->err->msg_code = JERR_FILE_WRITE;
    info->err->error_exit(reinterpret_cast<j_common_ptr>(info));
  }
}

// Called when the buffer is full.
boolean PassFullBuffer(j_compress_ptr info) {
  Pass(info, DestinationOf(info)->capacity);
  StartOutput(info);
  return TRUE;
}

void PassRest(j_compress_ptr info) {
  const SinkDestination* dest = DestinationOf(info);
  Pass(info, dest->capacity - dest->base.free_in_buffer);
}

// What a libjpeg session works on. It lives in the caller's frame: after a jump back, Compress
// reads only this, none of its own locals, which would be indeterminate then.
struct Session {
  jpeg_compress_struct info;
  JumpingErrorManager errors;
  SinkDestination dest;
  const JpegRowSource* rows;
  std::uint32_t* rowBuffer;
};

// One whole libjpeg session. Nothing here has a destructor, so a jump out of libjpeg skips none.
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
  session.dest.base.empty_output_buffer = PassFullBuffer;
  session.dest.base.term_destination = PassRest;
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

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeJpeg(const DisplayPixels& picture) {
  if (!CoversPicture(picture)) return std::nullopt;
  return EncodeJpegRows(picture.width, picture.height, [&picture](int y, std::uint32_t*) {
    return picture.pixels.data() + std::size_t(y) * std::size_t(picture.stride);
  });
}

bool EncodeJpegRowsTo(int width, int height, const JpegRowSource& rows, const JpegByteSink& sink) {
  if (width <= 0 || height <= 0 || !FitsJpeg(width, height)) return false;
  std::vector<std::uint32_t> rowBuffer(static_cast<std::size_t>(width));
  std::vector<unsigned char> output(kOutputPiece);
  Session session{};
  session.rows = &rows;
  session.rowBuffer = rowBuffer.data();
  session.dest.buffer = output.data();
  session.dest.capacity = output.size();
  session.dest.sink = &sink;
  return Compress(width, height, session);
}

std::optional<std::vector<std::uint8_t>> EncodeJpegRows(int width, int height,
                                                        const JpegRowSource& rows) {
  std::vector<std::uint8_t> jpeg;
  const bool encoded = EncodeJpegRowsTo(width, height, rows, [&jpeg](auto piece) {
    // An exception must not cross libjpeg's C frames.
    try {
      jpeg.insert(jpeg.end(), piece.begin(), piece.end());
      return true;
    } catch (const std::bad_alloc&) {
      return false;
    }
  });
  if (!encoded) return std::nullopt;
  return jpeg;
}

}  // namespace tintara
