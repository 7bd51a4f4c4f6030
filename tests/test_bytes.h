// Helpers for byte-level tests: octets written as hex text, and exact-size encoding.
#ifndef VANDREL_TESTS_TEST_BYTES_H_
#define VANDREL_TESTS_TEST_BYTES_H_

#include <gtest/gtest.h>

#include <cassert>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ber/ber_cursor.h"
#include "ber/ber_object.h"

namespace vandrel::test {

using Bytes = std::vector<uint8_t>;

// hex turns "30 0B 02 01" (spaces optional) into octets.
inline Bytes hex(std::string_view text) {
  Bytes out;
  int high = -1;
  for (char c : text) {
    int digit = (c >= '0' && c <= '9')   ? c - '0'
                : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                                         : -1;
    if (digit < 0) continue;
    if (high < 0) {
      high = digit;
    } else {
      out.push_back(static_cast<uint8_t>(high * 16 + digit));
      high = -1;
    }
  }
  assert(high < 0 && "odd number of hex digits");
  return out;
}

inline Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

inline Bytes text(std::string_view s) { return Bytes(s.begin(), s.end()); }

// encodeInto encodes `object` into a buffer of `size` octets plus a guard region, and returns
// the octets written; written must equal size for the object's sizes to be exact.
template <typename Object>
Bytes encodeInto(const Object& object, size_t size, size_t* written) {
  Bytes buffer(size + 16, 0xEE);
  uint8_t* cursor = buffer.data();
  object.encode(cursor);
  *written = static_cast<size_t>(cursor - buffer.data());
  buffer.resize(*written);
  return buffer;
}

// encoded returns an object's encoding, checking that it wrote exactly the size it announced:
// encodedSize(), or contentSize() for a PDU body, which writes only its fields.
template <typename Object>
Bytes encoded(const Object& object) {
  size_t size = 0;
  if constexpr (requires { object.encodedSize(); }) {
    size = object.encodedSize();
  } else {
    size = object.contentSize();
  }
  size_t written = 0;
  Bytes out = encodeInto(object, size, &written);
  if (written != size) ADD_FAILURE() << "wrote " << written << " octets, announced " << size;
  return out;
}

// tlv builds a complete element with a one-octet tag, written independently of the library's own
// length writer: short form up to 126, long form from 127 on.
inline Bytes tlv(uint8_t tag, const Bytes& content) {
  Bytes out{tag};
  size_t length = content.size();
  if (length <= 126) {
    out.push_back(static_cast<uint8_t>(length));
  } else {
    Bytes octets;
    for (size_t rest = length; rest != 0; rest >>= 8) {
      octets.insert(octets.begin(), static_cast<uint8_t>(rest));
    }
    out.push_back(static_cast<uint8_t>(0x80 + octets.size()));
    out.insert(out.end(), octets.begin(), octets.end());
  }
  out.insert(out.end(), content.begin(), content.end());
  return out;
}

// decodeValue runs the decoding constructor of `Value` over `wire`, tag octet first (the caller
// reads the tag to choose the class), and checks that it consumed exactly the whole encoding.
template <typename Value>
std::unique_ptr<Value> decodeValue(const Bytes& wire) {
  BerReader in(wire.data(), wire.size());
  in.next();
  auto value = std::make_unique<Value>(in);
  EXPECT_TRUE(in.ok());
  EXPECT_TRUE(in.atEnd());
  return value;
}

inline std::string toHex(const Bytes& bytes) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  for (uint8_t b : bytes) {
    if (!out.empty()) out += ' ';
    out += kDigits[b >> 4];
    out += kDigits[b & 15];
  }
  return out;
}

}  // namespace vandrel::test

#endif  // VANDREL_TESTS_TEST_BYTES_H_
