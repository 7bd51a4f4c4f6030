#include "ber/ber_codec.h"

namespace vandrel {

uint32_t lengthOctets(uint32_t length) {
  if (length <= 126) return 1;
  if (length <= 0xFF) return 2;
  if (length <= 0xFFFF) return 3;
  if (length <= 0xFFFFFF) return 4;
  return 5;
}

uint32_t encodedSize(uint32_t contentLength) {
  return 1 + lengthOctets(contentLength) + contentLength;
}

void writeLength(uint8_t*& cursor, uint32_t length) {
  uint32_t octets = lengthOctets(length);
  if (octets == 1) {
    *cursor++ = static_cast<uint8_t>(length);
    return;
  }
  uint32_t n = octets - 1;
  *cursor++ = static_cast<uint8_t>(0x80 + n);
  for (uint32_t i = n; i > 0; --i) {
    *cursor++ = static_cast<uint8_t>(length >> (8 * (i - 1)));
  }
}

uint32_t readLength(BerReader& in) {
  uint8_t first = in.next();
  if (first < 0x80) return first;
  if (first == 0x80) {  // indefinite form: never valid in SNMP
    in.fail();
    return 0;
  }
  uint32_t length = 0;
  for (int n = first & 0x7F; n > 0 && in.ok(); --n) {
    length = (length << 8) | in.next();
  }
  return in.ok() ? length : 0;
}

// Tags and sub-identifiers share one base-128 rule.
static uint32_t readBase128(BerReader& in) {
  uint8_t octet = in.next();
  uint32_t value = octet & 0x7F;
  while ((octet & 0x80) != 0) {
    octet = in.next();
    if (!in.ok()) break;
    value = (value << 7) | (octet & 0x7F);
  }
  return value;
}

uint32_t readTag(BerReader& in) { return readBase128(in); }

uint32_t readSubId(BerReader& in) { return readBase128(in); }

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

uint32_t readUnsigned(BerReader& in, uint32_t n) {
  uint32_t value = 0;
  for (uint32_t i = 0; i < n && in.ok(); ++i) {
    value = (value << 8) | in.next();
  }
  return in.ok() ? value : 0;
}

int32_t readSigned(BerReader& in, uint32_t n) {
  if (n == 0) return 0;
  // The first octet is taken as a signed number, so its sign fills the high bits.
  uint32_t value = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(in.next())));
  for (uint32_t i = 1; i < n && in.ok(); ++i) {
    value = (value << 8) | in.next();
  }
  return in.ok() ? static_cast<int32_t>(value) : 0;
}

}  // namespace vandrel
