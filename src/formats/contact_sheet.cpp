#include "formats/contact_sheet.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string_view>
#include <vector>

#include "formats/tiny_font.h"
#include "platform/bmp_reader.h"
#include "platform/filled_text.h"
#include "platform/translation.h"

namespace tintara {
namespace {

constexpr int kLabelGap = 2;  // between a picture and its label
constexpr int kLineHeight = kGlyphHeight + 2;
constexpr int kWidestLabel = 24;  // characters a label line may take beyond its picture's width
constexpr std::uint32_t kInk = 0xFF000000;

// The text in lines of at most `most` characters, broken at blanks, a longer word cut.
std::vector<std::string> WrappedLines(std::string_view text, std::size_t most) {
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view word = text.substr(start, end - start);
    start = end + 1;
    while (!word.empty()) {
      const std::size_t room = line.empty() ? most : most - std::min(most, line.size() + 1);
      if (room == 0 || (word.size() > room && !line.empty())) {
        lines.push_back(std::move(line));
        line.clear();
        continue;
      }
      if (!line.empty()) line += ' ';
      line += word.substr(0, room);
      word.remove_prefix(std::min(room, word.size()));
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

struct Layout {
  std::vector<std::int64_t> left;  // of each column
  std::vector<std::int64_t> top;   // of each row
  std::vector<std::int64_t> width;
  std::vector<std::int64_t> pictureHeight;  // of each row's highest picture
  std::vector<std::vector<std::string>> labels;
  std::int64_t sheetWidth = 0;
  std::int64_t sheetHeight = 0;
};

// The columns of a sheet of `cells` cells asked for `columns`: never more than there are cells.
std::size_t Across(std::size_t cells, int columns) {
  return std::clamp<std::size_t>(std::size_t(std::max(columns, 1)), 1,
                                 std::max<std::size_t>(cells, 1));
}

Layout LayOut(std::span<const SheetCell> cells, std::size_t columns, int scale) {
  Layout layout;
  const std::size_t rows = (cells.size() + columns - 1) / columns;
  layout.width.assign(columns, 0);
  layout.pictureHeight.assign(rows, 0);
  std::vector<std::int64_t> labelHeight(rows, 0);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::int64_t width = std::int64_t{std::max(cells[i].width, 0)} * scale;
    const int labelWidth = TextWidth(FontText(cells[i].label).substr(0, kWidestLabel));
    std::int64_t& column = layout.width[i % columns];
    column = std::max({column, width, std::int64_t{labelWidth}});
    std::int64_t& row = layout.pictureHeight[i / columns];
    row = std::max(row, std::int64_t{std::max(cells[i].height, 0)} * scale);
  }
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const auto most = static_cast<std::size_t>((layout.width[i % columns] + 1) / kGlyphAdvance);
    layout.labels.push_back(WrappedLines(FontText(cells[i].label), std::max<std::size_t>(most, 1)));
    const std::size_t lines = layout.labels.back().size();
    if (lines > 0) {
      std::int64_t& height = labelHeight[i / columns];
      height = std::max(height, kLabelGap + std::int64_t(lines) * kLineHeight);
    }
  }
  std::int64_t at = kSheetGap;
  for (const std::int64_t width : layout.width) {
    layout.left.push_back(at);
    at += width + kSheetGap;
  }
  layout.sheetWidth = at;
  at = kSheetGap;
  for (std::size_t row = 0; row < rows; ++row) {
    layout.top.push_back(at);
    at += layout.pictureHeight[row] + labelHeight[row] + kSheetGap;
  }
  layout.sheetHeight = at;
  return layout;
}

// The painted picture's pixels, each a scale x scale block, with its top left corner at (left,
// top) of the sheet.
void DrawPicture(const Bitmap& picture, int scale, std::int64_t left, std::int64_t top,
                 Bitmap& sheet) {
  const auto sheetWidth = static_cast<std::size_t>(sheet.width);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const auto at = static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width) +
                      static_cast<std::size_t>(x);
      const std::uint32_t pixel = picture.pixels[at];
      for (int dy = 0; dy < scale; ++dy) {
        const auto row = static_cast<std::size_t>(top + std::int64_t{y} * scale + dy);
        std::uint32_t* out = sheet.pixels.data() + row * sheetWidth +
                             static_cast<std::size_t>(left + std::int64_t{x} * scale);
        std::fill_n(out, scale, pixel);
      }
    }
  }
}

void DrawLabel(const std::vector<std::string>& lines, std::int64_t left, std::int64_t top,
               Bitmap& sheet) {
  const auto sheetWidth = static_cast<std::size_t>(sheet.width);
  for (const std::string& line : lines) {
    for (std::size_t c = 0; c < line.size(); ++c) {
      for (int y = 0; y < kGlyphHeight; ++y) {
        for (int x = 0; x < kGlyphWidth; ++x) {
          if (!GlyphInks(line[c], x, y)) continue;
          const auto column = static_cast<std::size_t>(left) + c * kGlyphAdvance + std::size_t(x);
          sheet.pixels[static_cast<std::size_t>(top + y) * sheetWidth + column] = kInk;
        }
      }
    }
    top += kLineHeight;
  }
}

}  // namespace

Expected<Bitmap> DrawContactSheet(std::span<const SheetCell> cells, int columns, int scale,
                                  const CellPainter& paint) {
  scale = std::max(scale, 1);
  const std::size_t across = Across(cells.size(), columns);
  const Layout layout = LayOut(cells, across, scale);
  if (!SheetFits({layout.sheetWidth, layout.sheetHeight})) {
    return Problem{
        Filled(Tr("Cannot draw the sheet: it would be %s x %s pixels, and a picture can have "
                  "at most %s pixels; give fewer columns or a smaller scale"),
               {std::to_string(layout.sheetWidth), std::to_string(layout.sheetHeight),
                std::to_string(kMaxBmpPixels)})};
  }
  Bitmap sheet;
  sheet.width = static_cast<int>(layout.sheetWidth);
  sheet.height = static_cast<int>(layout.sheetHeight);
  sheet.bitsPerPixel = 24;
  sheet.pixels.assign(std::size_t(sheet.width) * std::size_t(sheet.height), kSheetBackground);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    const std::int64_t left = layout.left[i % across];
    const std::int64_t top = layout.top[i / across];
    const Bitmap picture = paint(i);
    if (picture.width == cells[i].width && picture.height == cells[i].height &&
        picture.pixels.size() ==
            std::size_t(std::max(picture.width, 0)) * std::size_t(std::max(picture.height, 0))) {
      DrawPicture(picture, scale, left, top, sheet);
    }
    // Right under its own picture, so that a short picture's label is not left below a gap.
    const std::int64_t pictureHeight = std::int64_t{std::max(cells[i].height, 0)} * scale;
    DrawLabel(layout.labels[i], left, top + pictureHeight + kLabelGap, sheet);
  }
  return sheet;
}

SheetSize SheetSizeOf(std::span<const SheetCell> cells, int columns, int scale) {
  const Layout layout = LayOut(cells, Across(cells.size(), columns), std::max(scale, 1));
  return {layout.sheetWidth, layout.sheetHeight};
}

bool SheetFits(SheetSize size) {
  constexpr auto kMaxSide = std::int64_t{std::numeric_limits<int>::max()};
  return size.width <= kMaxSide && size.height <= kMaxSide &&
         static_cast<std::uint64_t>(size.width) * static_cast<std::uint64_t>(size.height) <=
             kMaxBmpPixels;
}

std::size_t MostSheetRepeats(std::span<const SheetCell> cells, int columns, int scale) {
  if (cells.empty()) return std::numeric_limits<std::size_t>::max();
  scale = std::max(scale, 1);
  const std::size_t count = cells.size();
  const auto across = std::size_t(std::max(columns, 1));
  const auto widthOf = [&](std::size_t k) {
    return std::int64_t{std::max(cells[k % count].width, 0)} * scale;
  };
  const auto heightOf = [&](std::size_t k) {
    return std::int64_t{std::max(cells[k % count].height, 0)} * scale;
  };
  // While all the cells fit in one row, each time over makes the sheet as much wider.
  std::int64_t widthOnce = 0;
  std::int64_t highest = 0;
  for (std::size_t k = 0; k < count; ++k) {
    widthOnce += widthOf(k) + kSheetGap;
    highest = std::max(highest, heightOf(k));
  }
  const std::int64_t oneRowHeight = kSheetGap + highest + kSheetGap;
  const std::int64_t widest = std::min<std::int64_t>(
      std::numeric_limits<int>::max(), static_cast<std::int64_t>(kMaxBmpPixels) / oneRowHeight);
  const auto inOneRow =
      static_cast<std::size_t>(std::max<std::int64_t>((widest - kSheetGap) / widthOnce, 0));
  if (inOneRow < across / count) return inOneRow;
  // Then the columns are fixed and the cells wrap: a cell at a time, each column as wide as its
  // widest cell and each row as high as its highest, until the sheet no longer fits.
  std::vector<std::int64_t> columnWidth(across, 0);
  SheetSize size{kSheetGap + std::int64_t(across) * kSheetGap, kSheetGap};
  std::int64_t rowHeight = 0;
  for (std::size_t k = 0;; ++k) {
    if (k % across == 0) {  // a new row
      size.height += kSheetGap;
      rowHeight = 0;
    }
    const std::int64_t width = widthOf(k);
    std::int64_t& column = columnWidth[k % across];
    if (width > column) {
      size.width += width - column;
      column = width;
    }
    const std::int64_t height = heightOf(k);
    if (height > rowHeight) {
      size.height += height - rowHeight;
      rowHeight = height;
    }
    if ((k + 1) % count != 0) continue;
    const std::size_t times = (k + 1) / count;
    if (times > across / count && !SheetFits(size)) return times - 1;
  }
}

}  // namespace tintara
