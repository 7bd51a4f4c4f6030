#include "ber/asn_counter64.h"

#include "ber/ber_codec.h"

namespace vandrel {

AsnNumber64::AsnNumber64(BerReader& in, uint16_t tag, const char* typeName)
    : AsnValue(in, tag, typeName) {
  uint64_t value = 0;
  for (uint32_t i = 0; i < contentLength() && in.ok(); ++i) {
    value = (value << 8) | in.next();
  }
  value_ = in.ok() ? value : 0;
}

void AsnNumber64::setValue(uint64_t v) {
  value_ = v;
  uint16_t n = 1;
  while (n < 8 && (v >> (8 * n)) != 0) ++n;
  setContentLength(n);
  discardText();
}

void AsnNumber64::encode(uint8_t*& cursor) const {
  *cursor++ = static_cast<uint8_t>(tag());
  encodeBody(cursor);
}

void AsnNumber64::encodeBody(uint8_t*& cursor) const {
  uint32_t n = contentLength();
  writeLength(cursor, n);
  uint8_t* out = cursor;  // a local pointer: see writeLength
  for (uint32_t j = n; j > 0; --j) {
    uint32_t shift = 8 * (j - 1);
    *out++ = shift >= 64 ? 0x00 : static_cast<uint8_t>(value_ >> shift);
  }
  cursor = out;
}

std::string AsnNumber64::buildText() const { return std::to_string(value_); }

AsnCounter64::AsnCounter64(BerReader& in) : AsnNumber64(in, kTagCounter64, "Counter64") {}

}  // namespace vandrel
