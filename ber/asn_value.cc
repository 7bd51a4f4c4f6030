#include "ber/asn_value.h"

#include <cassert>

#include "ber/ber_codec.h"

namespace vandrel {

AsnValue::AsnValue(uint16_t tag, const char* typeName) : tag_(tag), typeName_(typeName) {}

AsnValue::AsnValue(BerReader& in, uint16_t tag, const char* typeName)
    : tag_(tag), typeName_(typeName) {
  uint32_t length = readLength(in);
  if (length > kMaxContentLength) {
    in.fail();
    return;
  }
  if (in.ok()) contentLength_ = static_cast<uint16_t>(length);
}

std::vector<uint8_t> AsnValue::toBytes() const {
  std::vector<uint8_t> bytes(encodedSize());
  uint8_t* cursor = bytes.data();
  encode(cursor);
  assert(cursor == bytes.data() + bytes.size());
  return bytes;
}

const std::string& AsnValue::toText() const {
  if (!text_) text_ = buildText();
  return *text_;
}

}  // namespace vandrel
