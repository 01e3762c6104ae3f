#include "platform/gif_writer.h"

#include <gif_lib.h>

#include <array>
#include <new>

namespace tintara {

struct GifWriter::State {
  GifFileType* gif = nullptr;
  std::vector<std::uint8_t> bytes;
  int width = 0;
  int height = 0;
  int delay = 0;
  bool failed = false;
  // The last frame's indices and their compressed sub-blocks: frames of one picture differ only in
  // their colour tables, and giflib's compressor is most of a frame's cost.
  std::vector<std::uint8_t> lastIndices;
  std::vector<GifByteType> lastCodes;
};

namespace {

int Append(GifFileType* gif, const GifByteType* data, int length) {
  auto& bytes = *static_cast<std::vector<std::uint8_t>*>(gif->UserData);
  bytes.insert(bytes.end(), data, data + length);
  return length;
}

// The application extension that browsers and viewers read as "loop forever".
bool PutLoopForever(GifFileType* gif) {
  static constexpr GifByteType kName[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
  static constexpr GifByteType kLoops[] = {1, 0, 0};  // sub-block 1, a count of 0: forever
  return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kName, kName) == GIF_OK &&
         EGifPutExtensionBlock(gif, sizeof kLoops, kLoops) == GIF_OK &&
         EGifPutExtensionTrailer(gif) == GIF_OK;
}

// Compressed sub-blocks, each its length and its bytes, ending with an empty one, put as they are
// after an image descriptor.
bool PutCodes(GifFileType* gif, const std::vector<GifByteType>& codes) {
  std::size_t at = 0;
  while (at < codes.size() && codes[at] != 0) {
    if (EGifPutCodeNext(gif, codes.data() + at) != GIF_OK) return false;
    at += std::size_t(codes[at]) + 1;
  }
  return EGifPutCodeNext(gif, nullptr) == GIF_OK;
}

}  // namespace

GifWriter::GifWriter(int width, int height, int delay) : state_(std::make_unique<State>()) {
  state_->width = width;
  state_->height = height;
  state_->delay = delay;
  int error = 0;
  state_->gif = EGifOpen(&state_->bytes, Append, &error);
  if (state_->gif == nullptr) {
    state_->failed = true;
    return;
  }
  EGifSetGifVersion(state_->gif, true);
  // No global table: every frame brings its own.
  state_->failed = EGifPutScreenDesc(state_->gif, width, height, 8, 0, nullptr) != GIF_OK ||
                   !PutLoopForever(state_->gif);
}

GifWriter::~GifWriter() {
  if (state_->gif != nullptr) EGifCloseFile(state_->gif, nullptr);
}

bool GifWriter::AddFrame(std::span<const std::uint32_t, 256> table, const RowSource& rows) {
  if (state_->failed) return false;
  std::array<GifColorType, 256> colours{};
  for (std::size_t i = 0; i < colours.size(); ++i) {
    colours[i] = {static_cast<GifByteType>(table[i] >> 16), static_cast<GifByteType>(table[i] >> 8),
                  static_cast<GifByteType>(table[i])};
  }
  ColorMapObject* map = GifMakeMapObject(static_cast<int>(colours.size()), colours.data());
  if (map == nullptr) throw std::bad_alloc();
  const GraphicsControlBlock control{DISPOSE_DO_NOT, false, state_->delay, NO_TRANSPARENT_COLOR};
  std::array<GifByteType, 4> extension{};
  EGifGCBToExtension(&control, extension.data());
  bool put =
      EGifPutExtension(state_->gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(extension.size()),
                       extension.data()) == GIF_OK &&
      EGifPutImageDesc(state_->gif, 0, 0, state_->width, state_->height, false, map) == GIF_OK;
  GifFreeMapObject(map);
  const auto width = static_cast<std::size_t>(state_->width);
  std::vector<std::uint8_t> indices(width * static_cast<std::size_t>(state_->height));
  for (int y = 0; y < state_->height; ++y) {
    rows(y, std::span(indices).subspan(static_cast<std::size_t>(y) * width, width));
  }
  if (put && indices == state_->lastIndices) {
    put = PutCodes(state_->gif, state_->lastCodes);
  } else if (put) {
    // After the descriptor the code size is written; the sub-blocks follow it.
    const std::size_t codesStart = state_->bytes.size();
    for (int y = 0; put && y < state_->height; ++y) {
      put = EGifPutLine(state_->gif, indices.data() + static_cast<std::size_t>(y) * width,
                        state_->width) == GIF_OK;
    }
    if (put) {
      state_->lastCodes.assign(state_->bytes.begin() + static_cast<std::ptrdiff_t>(codesStart),
                               state_->bytes.end());
      state_->lastIndices = std::move(indices);
    }
  }
  state_->failed = !put;
  return put;
}

std::optional<std::vector<std::uint8_t>> GifWriter::Finish() {
  if (state_->failed) return std::nullopt;
  const bool closed = EGifCloseFile(state_->gif, nullptr) == GIF_OK;
  state_->gif = nullptr;
  state_->failed = true;
  if (!closed) return std::nullopt;
  return std::move(state_->bytes);
}

}  // namespace tintara
