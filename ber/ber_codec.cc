#include "ber/ber_codec.h"

namespace vandrel {

int subIdOctets(uint32_t value) {
  int count = 1;
  while (value >= 0x80) {
    value >>= 7;
    ++count;
  }
  return count;
}

int writeSubId(uint8_t* buffer, uint32_t value) {
  int count = subIdOctets(value);
  for (int i = 0; i < count; ++i) {
    int shift = 7 * (count - 1 - i);
    uint8_t group = static_cast<uint8_t>((value >> shift) & 0x7F);
    buffer[i] = (i + 1 < count) ? static_cast<uint8_t>(group | 0x80) : group;
  }
  return count;
}

FirstArcs splitFirstOctet(BerReader& in) {
  uint32_t packed = readSubId(in);
  if (packed < 40) return {0, packed};
  if (packed < 80) return {1, packed - 40};
  return {2, packed - 80};
}

// Unsigned arithmetic: an out-of-range first arc wraps rather than overflowing.
static uint32_t packFirstArcs(uint32_t first, uint32_t second) { return first * 40u + second; }

void joinFirstOctet(uint8_t*& cursor, uint32_t first, uint32_t second) {
  cursor += writeSubId(cursor, packFirstArcs(first, second));
}

int joinedFirstOctets(uint32_t first, uint32_t second) {
  return subIdOctets(packFirstArcs(first, second));
}

}  // namespace vandrel
