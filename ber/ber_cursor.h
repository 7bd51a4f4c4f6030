// The two BER cursors.
//
// Encoding writes through a plain `uint8_t*&` that every writer advances past what it wrote. The
// buffer behind it is sized beforehand from the exact `encodedSize` operations, so writers never
// check an end.
//
// Decoding reads through a BerReader, which knows where the received bytes end. The first read
// that would pass the end marks the reader failed; from then on every read returns 0 and moves
// nothing. Decoders keep their value-returning shape and check `ok()` once per element.
#ifndef VANDREL_BER_BER_CURSOR_H_
#define VANDREL_BER_BER_CURSOR_H_

#include <cstddef>
#include <cstdint>

namespace vandrel {

// BerReader is a read position in bytes the caller owns (a datagram, an OID's content). It never
// reads at or past `end`.
struct BerReader {
  const uint8_t* pos = nullptr;  // next byte to read
  const uint8_t* end = nullptr;  // one past the last readable byte
  bool failed = false;           // sticky: set by the first read past `end`

  BerReader() = default;
  BerReader(const uint8_t* begin, const uint8_t* stop) : pos(begin), end(stop) {}
  BerReader(const uint8_t* begin, size_t size) : pos(begin), end(begin + size) {}

  bool ok() const { return !failed; }
  size_t remaining() const { return failed ? 0 : static_cast<size_t>(end - pos); }
  bool atEnd() const { return remaining() == 0; }
  void fail() { failed = true; }

  // next returns the next byte and steps past it, or returns 0 and fails when none is left.
  uint8_t next() {
    if (failed || pos == end) {
      failed = true;
      return 0;
    }
    return *pos++;
  }

  // sub returns a reader over the next `length` bytes and steps this reader past them. When fewer
  // are left, both this reader and the result fail and nothing is consumed.
  BerReader sub(uint32_t length) {
    if (remaining() < length) {
      failed = true;
      BerReader empty(pos, pos);
      empty.failed = true;
      return empty;
    }
    BerReader part(pos, pos + length);
    pos += length;
    return part;
  }
};

}  // namespace vandrel

#endif  // VANDREL_BER_BER_CURSOR_H_
