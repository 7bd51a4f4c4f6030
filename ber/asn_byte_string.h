#ifndef VANDREL_BER_ASN_BYTE_STRING_H_
#define VANDREL_BER_ASN_BYTE_STRING_H_

#include <cstdint>
#include <span>

#include "ber/asn_value.h"
#include "ber/content_bytes.h"

namespace vandrel {

// AsnByteString is the shared base of the values whose content is a run of octets kept in wire
// form (OBJECT IDENTIFIER, OCTET STRING, IpAddress, Opaque), so that encoding is a copy.
class AsnByteString : public AsnValue {
 public:
  // encode writes the tag octet, the length octets and the content.
  void encode(uint8_t*& cursor) const override;

  // content returns the content octets, exactly contentLength() of them.
  std::span<const uint8_t> content() const { return content_.span(); }

 protected:
  AsnByteString(uint16_t tag, const char* typeName);
  // Decoding constructor: `in` stands just after the tag octet. Copies the content and leaves
  // `in` after it. Content that runs past the received data fails `in` and leaves this value
  // empty; nothing outside the data is read.
  AsnByteString(BerReader& in, uint16_t tag, const char* typeName);

  // setContent copies the content octets; at most kMaxContentLength of them are kept.
  void setContent(std::span<const uint8_t> content);

 private:
  ContentBytes content_;
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_BYTE_STRING_H_
