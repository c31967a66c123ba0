// The Shift-JIS (code page 932) character walk: a lead byte and the byte after it form one character.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <bit>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

constexpr bool IsLeadByte(std::uint8_t byte) { return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC); }

// The offset of the character after the one at offset; a lead byte that is the last byte stands alone.
constexpr std::size_t NextCharacter(const std::uint8_t* bytes, std::size_t length, std::size_t offset) {
  return IsLeadByte(bytes[offset]) && offset + 1 < length ? offset + 2 : offset + 1;
}

static_assert(std::endian::native == std::endian::little, "the first byte of a word is its lowest");

// The bytes a character takes, by its first byte, where a second byte follows.
inline constexpr std::array<std::uint8_t, 256> kCharacterSize = [] {
  std::array<std::uint8_t, 256> sizes{};
  for (std::size_t byte = 0; byte < sizes.size(); ++byte) sizes[byte] = IsLeadByte(static_cast<std::uint8_t>(byte)) ? 2 : 1;
  return sizes;
}();

// Whether the eight bytes from offset are all below 0x80: none of them is a lead byte.
inline bool EightSingleBytes(const std::uint8_t* bytes, std::size_t offset) {
  std::uint64_t word;
  std::memcpy(&word, bytes + offset, sizeof word);
  return (word & 0x8080808080808080u) == 0;
}

struct CharacterCount {
  std::size_t characters = 0;
  std::size_t pairs = 0;  // complete double-byte characters
};

// A byte begins a pair when it is a lead byte at the start of a character, and the byte after it never starts one.
// For eight bytes, given which of them are lead bytes (bit i for byte i) and whether a character starts at the
// first: how many pairs begin among them, and whether a character starts after them.
struct EightBytes {
  std::uint8_t pairs;
  std::uint8_t starts_after;
};
inline constexpr std::array<std::array<EightBytes, 256>, 2> kEightBytes = [] {
  std::array<std::array<EightBytes, 256>, 2> table{};
  for (unsigned starts = 0; starts < 2; ++starts) {
    for (unsigned leads = 0; leads < 256; ++leads) {
      unsigned at_start = starts;
      unsigned pairs = 0;
      for (unsigned bit = 0; bit < 8; ++bit) {
        const unsigned begins_pair = at_start & (leads >> bit);
        pairs += begins_pair & 1u;
        at_start = (begins_pair & 1u) ^ 1u;
      }
      table[starts][leads] = {static_cast<std::uint8_t>(pairs), static_cast<std::uint8_t>(at_start)};
    }
  }
  return table;
}();

// Which of eight bytes are lead bytes, bit i for byte i, worked out on the word: below their top bit, lead bytes are
// 0x01-0x1F or 0x60-0x7C, and adding to each byte never carries into the next.
inline unsigned LeadMask(const std::uint8_t* bytes) {
  constexpr std::uint64_t kEach = 0x0101010101010101u;
  constexpr std::uint64_t kTop = 0x8080808080808080u;
  std::uint64_t word;
  std::memcpy(&word, bytes, sizeof word);
  const std::uint64_t low = word & ~kTop;
  const std::uint64_t first_range = (low + kEach * 0x7F) & ~(low + kEach * 0x60);
  const std::uint64_t second_range = (low + kEach * 0x20) & ~(low + kEach * 0x03);
  const std::uint64_t leads = (first_range | second_range) & word & kTop;
  // Gathers the top bit of byte i into bit i.
  return static_cast<unsigned>(((leads >> 7) * 0x0102040810204080u) >> 56);
}

// The same for sixteen bytes, bit i for byte i.
inline unsigned LeadMask16(const std::uint8_t* bytes) {
#ifdef __SSE2__
  // Signed compares see the bytes shifted by 0x80: the lead ranges become 1-31 and 96-124.
  const __m128i shifted = _mm_xor_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes)), _mm_set1_epi8(-128));
  const __m128i first = _mm_and_si128(_mm_cmpgt_epi8(shifted, _mm_set1_epi8(0)), _mm_cmplt_epi8(shifted, _mm_set1_epi8(32)));
  const __m128i second =
      _mm_and_si128(_mm_cmpgt_epi8(shifted, _mm_set1_epi8(95)), _mm_cmplt_epi8(shifted, _mm_set1_epi8(125)));
  return static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(first, second)));
#else
  return LeadMask(bytes) | LeadMask(bytes + 8) << 8;
#endif
}

// Follows the character starts through sixteen bytes, given which of them are lead bytes.
inline void CountPairs(unsigned leads, unsigned& at_start, std::size_t& pairs) {
  const EightBytes low = kEightBytes[at_start][leads & 0xFF];
  const EightBytes high = kEightBytes[low.starts_after][leads >> 8];
  pairs += low.pairs + high.pairs;
  at_start = high.starts_after;
}

// Sixteen bytes at a time, and the last few as the sixteen bytes that end the text (copied behind zero bytes when the
// text is shorter): the bytes counted before, and a second byte at the start of the few, are taken as single
// bytes, which adds no pair. A lead byte that ends the text stands alone.
inline CharacterCount CountCharacters(const std::uint8_t* bytes, std::size_t length) {
  std::size_t pairs = 0;
  unsigned at_start = 1;
  std::size_t offset = 0;
  for (; length - offset >= 16; offset += 16) {
    const unsigned leads = LeadMask16(bytes + offset);
    if (leads == 0) {
      at_start = 1;
      continue;
    }
    CountPairs(leads, at_start, pairs);
  }
  if (offset < length) {
    std::uint8_t padded[16] = {};
    const std::uint8_t* last = bytes + length - 16;
    if (length < 16) {
      std::memcpy(padded + 16 - length, bytes, length);
      last = padded;
    }
    const std::size_t counted = 16 - (length - offset) + (at_start == 0 ? 1 : 0);
    at_start = 1;
    CountPairs(LeadMask16(last) & (0xFFFFu << counted) & 0xFFFFu, at_start, pairs);
  }
  if (at_start == 0) --pairs;
  return {length - pairs, pairs};
}

// The byte offset reached after walking the given number of characters (or the end). Runs of single-byte characters
// are taken eight at a time; in between, eight bytes are stepped through a character at a time while a byte lies
// beyond them (so a lead byte always has its second byte), and the last few bytes one at a time.
inline std::size_t SkipCharacters(const std::uint8_t* bytes, std::size_t length, std::size_t characters) {
  std::size_t offset = 0;
  while (characters >= 8 && length - offset > 8) {
    if (EightSingleBytes(bytes, offset)) {
      characters -= 8;
      offset += 8;
      continue;
    }
    for (const std::size_t stop = offset + 8; offset < stop; --characters) offset += kCharacterSize[bytes[offset]];
  }
  for (; characters > 0 && offset < length; --characters) offset = NextCharacter(bytes, length, offset);
  return offset;
}
