#include "ber/asn_number.h"

#include "ber/ber_codec.h"

namespace vandrel {

AsnNumber::AsnNumber(uint16_t tag, const char* typeName, Reading reading)
    : AsnValue(tag, typeName), reading_(reading) {}

AsnNumber::AsnNumber(BerReader& in, uint16_t tag, const char* typeName, Reading reading)
    : AsnValue(in, tag, typeName), reading_(reading) {
  value_ = reading == Reading::kSigned ? readSigned(in, contentLength())
                                       : static_cast<int32_t>(readUnsigned(in, contentLength()));
}

int64_t AsnNumber::widened() const {
  return reading_ == Reading::kSigned ? int64_t{value_} : int64_t{static_cast<uint32_t>(value_)};
}

void AsnNumber::setValue(int32_t v) {
  value_ = v;
  // The fewest octets n whose two's complement range holds the number (at most 5, for an unsigned
  // reading of 2^31 and above).
  int64_t number = widened();
  uint16_t n = 1;
  while (n < 5 &&
         (number < -(int64_t{1} << (8 * n - 1)) || number >= (int64_t{1} << (8 * n - 1)))) {
    ++n;
  }
  setContentLength(n);
  discardText();
}

void AsnNumber::encodeBody(uint8_t*& cursor) const {
  uint32_t n = contentLength();
  writeLength(cursor, n);
  int64_t number = widened();
  uint8_t fill = number < 0 ? 0xFF : 0x00;
  uint8_t* out = cursor;  // a local pointer: see writeLength
  for (uint32_t j = n; j > 0; --j) {
    uint32_t shift = 8 * (j - 1);
    *out++ = shift >= 64 ? fill : static_cast<uint8_t>(number >> shift);
  }
  cursor = out;
}

std::string AsnNumber::buildText() const { return std::to_string(widened()); }

AsnInteger::AsnInteger(int32_t v) : AsnNumber(kTagInteger, "Integer", Reading::kSigned) {
  setValue(v);
}
AsnInteger::AsnInteger(BerReader& in) : AsnNumber(in, kTagInteger, "Integer", Reading::kSigned) {}

AsnTimeTicks::AsnTimeTicks(uint32_t v) : AsnNumber(kTagTimeTicks, "TimeTick", Reading::kUnsigned) {
  setValue(static_cast<int32_t>(v));
}
AsnTimeTicks::AsnTimeTicks(BerReader& in)
    : AsnNumber(in, kTagTimeTicks, "TimeTick", Reading::kUnsigned) {}

AsnCounter::AsnCounter(BerReader& in) : AsnNumber(in, kTagCounter, "Counter", Reading::kUnsigned) {}

AsnGauge::AsnGauge(BerReader& in) : AsnNumber(in, kTagGauge, "Gauge", Reading::kUnsigned) {}

}  // namespace vandrel
