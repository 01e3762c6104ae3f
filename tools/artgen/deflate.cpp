#include "deflate.h"

#include <algorithm>
#include <array>

namespace tintara::artgen {

namespace {

constexpr int kMinMatch = 3;
constexpr int kMaxMatch = 258;
constexpr std::size_t kWindow = 32768;
// How many earlier places with the same three bytes a match is looked for at: enough for
// pictures, and it keeps the contact sheet quick.
constexpr int kMaxCandidates = 64;
constexpr int kHashBits = 15;
constexpr std::size_t kHashSize = std::size_t{1} << kHashBits;

constexpr std::array<int, 29> kLengthBase = {3,  4,  5,  6,   7,   8,   9,   10,  11, 13,
                                             15, 17, 19, 23,  27,  31,  35,  43,  51, 59,
                                             67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<int, 29> kLengthExtra = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2,
                                              2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<int, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<int, 30> kDistanceExtra = {0, 0, 0,  0,  1,  1,  2,  2,  3,  3,
                                                4, 4, 5,  5,  6,  6,  7,  7,  8,  8,
                                                9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

// Deflate packs values from the least significant bit on; Huffman codes go in from their most
// significant bit.
class BitWriter {
 public:
  explicit BitWriter(std::vector<std::uint8_t>& out) : out_(out) {}

  void Bits(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) Bit((value >> i) & 1);
  }

  void Code(std::uint32_t code, int length) {
    for (int i = length - 1; i >= 0; --i) Bit((code >> i) & 1);
  }

  void Flush() {
    if (used_ > 0) out_.push_back(current_);
    current_ = 0;
    used_ = 0;
  }

 private:
  void Bit(std::uint32_t bit) {
    current_ = static_cast<std::uint8_t>(current_ | (bit << used_));
    if (++used_ == 8) Flush();
  }

  std::vector<std::uint8_t>& out_;
  std::uint8_t current_ = 0;
  int used_ = 0;
};

// A literal byte, the end of the block (256) or a length code (257..285) in the fixed code.
void PutSymbol(BitWriter& bits, int symbol) {
  if (symbol < 144) {
    bits.Code(static_cast<std::uint32_t>(0x30 + symbol), 8);
  } else if (symbol < 256) {
    bits.Code(static_cast<std::uint32_t>(0x190 + symbol - 144), 9);
  } else if (symbol < 280) {
    bits.Code(static_cast<std::uint32_t>(symbol - 256), 7);
  } else {
    bits.Code(static_cast<std::uint32_t>(0xC0 + symbol - 280), 8);
  }
}

void PutMatch(BitWriter& bits, int length, int distance) {
  int l = static_cast<int>(kLengthBase.size()) - 1;
  while (kLengthBase[static_cast<std::size_t>(l)] > length) --l;
  PutSymbol(bits, 257 + l);
  bits.Bits(static_cast<std::uint32_t>(length - kLengthBase[static_cast<std::size_t>(l)]),
            kLengthExtra[static_cast<std::size_t>(l)]);
  int d = static_cast<int>(kDistanceBase.size()) - 1;
  while (kDistanceBase[static_cast<std::size_t>(d)] > distance) --d;
  bits.Code(static_cast<std::uint32_t>(d), 5);
  bits.Bits(static_cast<std::uint32_t>(distance - kDistanceBase[static_cast<std::size_t>(d)]),
            kDistanceExtra[static_cast<std::size_t>(d)]);
}

std::uint32_t Adler32(const std::vector<std::uint8_t>& data) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1;
  std::uint32_t b = 0;
  for (const std::uint8_t byte : data) {
    a = (a + byte) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

std::size_t HashAt(const std::vector<std::uint8_t>& data, std::size_t i) {
  const std::uint32_t key = (std::uint32_t{data[i]} << 16) | (std::uint32_t{data[i + 1]} << 8) |
                            std::uint32_t{data[i + 2]};
  return (key * 2654435761u) >> (32 - kHashBits);
}

}  // namespace

std::vector<std::uint8_t> ZlibCompress(const std::vector<std::uint8_t>& data) {
  std::vector<std::uint8_t> out = {0x78, 0x01};
  BitWriter bits(out);
  bits.Bits(1, 1);  // the last block
  bits.Bits(1, 2);  // fixed Huffman codes

  // For each hash the latest position, and for each position the one before it with that hash.
  constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  std::vector<std::size_t> head(kHashSize, kNone);
  std::vector<std::size_t> previous(data.size(), kNone);
  auto remember = [&](std::size_t i) {
    if (i + kMinMatch > data.size()) return;
    const std::size_t hash = HashAt(data, i);
    previous[i] = head[hash];
    head[hash] = i;
  };

  std::size_t i = 0;
  while (i < data.size()) {
    int bestLength = 0;
    std::size_t bestDistance = 0;
    if (i + kMinMatch <= data.size()) {
      const std::size_t limit = std::min<std::size_t>(kMaxMatch, data.size() - i);
      std::size_t candidate = head[HashAt(data, i)];
      for (int tries = 0; candidate != kNone && i - candidate <= kWindow && tries < kMaxCandidates;
           ++tries, candidate = previous[candidate]) {
        std::size_t length = 0;
        while (length < limit && data[candidate + length] == data[i + length]) ++length;
        if (static_cast<int>(length) > bestLength) {
          bestLength = static_cast<int>(length);
          bestDistance = i - candidate;
          if (length == limit) break;
        }
      }
    }
    if (bestLength >= kMinMatch) {
      PutMatch(bits, bestLength, static_cast<int>(bestDistance));
      for (int k = 0; k < bestLength; ++k) remember(i + static_cast<std::size_t>(k));
      i += static_cast<std::size_t>(bestLength);
    } else {
      PutSymbol(bits, data[i]);
      remember(i);
      ++i;
    }
  }
  PutSymbol(bits, 256);
  bits.Flush();

  const std::uint32_t checksum = Adler32(data);
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(checksum >> shift));
  }
  return out;
}

}  // namespace tintara::artgen
