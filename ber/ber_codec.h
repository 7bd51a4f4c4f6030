// The low-level BER codecs (ITU-T X.690) that the SNMP layers write and read through: definite
// length octets, tag numbers, OBJECT IDENTIFIER sub-identifiers and the packing of its first two
// arcs, the big-endian content of integer types, and the size arithmetic that lets every encoder
// know its exact output size before it writes a byte.
//
// The functions every element's encoding or decoding passes through are defined here, inline.
//
// Writers advance a plain `uint8_t*&` cursor and trust that the caller sized the buffer with
// `lengthOctets` and `encodedSize`, which are exact. Readers take a BerReader and never pass its
// end: a read that would marks the reader failed and yields 0.
#ifndef VANDREL_BER_BER_CODEC_H_
#define VANDREL_BER_BER_CODEC_H_

#include <cstdint>

#include "ber/ber_cursor.h"

namespace vandrel {

// Identifier octets of the universal and SNMP application types this library writes.
inline constexpr uint8_t kTagInteger = 0x02;
inline constexpr uint8_t kTagOctetString = 0x04;
inline constexpr uint8_t kTagNull = 0x05;
inline constexpr uint8_t kTagOid = 0x06;
inline constexpr uint8_t kTagSequence = 0x30;
inline constexpr uint8_t kTagIpAddress = 0x40;
inline constexpr uint8_t kTagCounter = 0x41;
inline constexpr uint8_t kTagGauge = 0x42;
inline constexpr uint8_t kTagTimeTicks = 0x43;
inline constexpr uint8_t kTagOpaque = 0x44;
inline constexpr uint8_t kTagCounter64 = 0x46;

// lengthOctets returns how many octets writeLength writes for `length`: 1 for 0 to 126, then
// 2 to 5 for the long form (127 already takes the long form, 81 7F).
inline uint32_t lengthOctets(uint32_t length) {
  if (length <= 126) return 1;
  if (length <= 0xFF) return 2;
  if (length <= 0xFFFF) return 3;
  if (length <= 0xFFFFFF) return 4;
  return 5;
}

// encodedSize returns the size of a complete TLV with a one-octet tag and `contentLength` content
// octets: 1 + lengthOctets(contentLength) + contentLength.
inline uint32_t encodedSize(uint32_t contentLength) {
  return 1 + lengthOctets(contentLength) + contentLength;
}

// writeLength writes the definite length octets for `length` and advances the cursor by
// lengthOctets(length).
inline void writeLength(uint8_t*& cursor, uint32_t length) {
  // Writing through a local pointer: a store through `cursor` itself could alias anything, so the
  // compiler would reload and store the cursor around every octet.
  uint8_t* out = cursor;
  if (length <= 126) {
    *out++ = static_cast<uint8_t>(length);
  } else {
    uint32_t n = lengthOctets(length) - 1;
    *out++ = static_cast<uint8_t>(0x80 + n);
    for (uint32_t i = n; i > 0; --i) *out++ = static_cast<uint8_t>(length >> (8 * (i - 1)));
  }
  cursor = out;
}

// readLength reads definite length octets in either form. Past four length octets only the low
// 32 bits remain. The indefinite form (a first octet of 0x80), which SNMP never sends, fails the
// reader, as does running out of data. Returns 0 on failure.
inline uint32_t readLength(BerReader& in) {
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

// readTag reads a tag number: the low seven bits of each octet, continuing while the top bit is
// set; only the low 32 bits remain. A run that reaches the end of the data fails the reader and
// returns the groups read so far.
inline uint32_t readTag(BerReader& in) {
  uint8_t octet = in.next();
  uint32_t value = octet & 0x7F;
  while ((octet & 0x80) != 0) {
    octet = in.next();
    if (!in.ok()) break;
    value = (value << 7) | (octet & 0x7F);
  }
  return value;
}

// readSubId reads one base-128 sub-identifier by the same rule as readTag.
inline uint32_t readSubId(BerReader& in) { return readTag(in); }

// writeSubId writes `value` as a base-128 sub-identifier at `buffer` (1 to 5 octets, most
// significant group first) and returns the number of octets written. The caller advances its own
// position by that count.
int writeSubId(uint8_t* buffer, uint32_t value);

// subIdOctets returns the number of octets writeSubId writes for `value`.
int subIdOctets(uint32_t value);

// The first two arcs of an object identifier.
struct FirstArcs {
  uint32_t first;
  uint32_t second;
};

// splitFirstOctet reads the sub-identifier that packs the first two arcs (first * 40 + second)
// and splits it: below 40 it is 0.x, below 80 it is 1.x, and from 80 up it is 2.x. Packed values
// of 128 and more take several octets, as X.690 writes them.
FirstArcs splitFirstOctet(BerReader& in);

// joinFirstOctet writes first * 40 + second as one sub-identifier: one octet for every object
// identifier starting 0.x or 1.x and for 2.0 to 2.47, more octets beyond (2.48 and up).
void joinFirstOctet(uint8_t*& cursor, uint32_t first, uint32_t second);

// joinedFirstOctets returns how many octets joinFirstOctet writes for these arcs.
int joinedFirstOctets(uint32_t first, uint32_t second);

// readUnsigned reads `n` content octets, most significant first, as an unsigned number; past four
// octets the value of the last four remains (how 2^31 and above arrive: 00 and four octets).
// With n = 0 it reads nothing and returns 0: X.690 allows no empty integer content, and reading
// an octet that belongs to the next element would only desynchronise the decoder.
inline uint32_t readUnsigned(BerReader& in, uint32_t n) {
  uint32_t value = 0;
  for (uint32_t i = 0; i < n && in.ok(); ++i) {
    value = (value << 8) | in.next();
  }
  return in.ok() ? value : 0;
}

// readSigned reads `n` content octets as a two's complement number (FF is -1, 00 80 is 128); past
// four octets the last four remain. With n = 0 it reads nothing and returns 0.
inline int32_t readSigned(BerReader& in, uint32_t n) {
  if (n == 0) return 0;
  // The first octet is taken as a signed number, so its sign fills the high bits.
  uint32_t value = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(in.next())));
  for (uint32_t i = 1; i < n && in.ok(); ++i) {
    value = (value << 8) | in.next();
  }
  return in.ok() ? static_cast<int32_t>(value) : 0;
}

}  // namespace vandrel

#endif  // VANDREL_BER_BER_CODEC_H_
