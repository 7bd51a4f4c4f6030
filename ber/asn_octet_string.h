#ifndef VANDREL_BER_ASN_OCTET_STRING_H_
#define VANDREL_BER_ASN_OCTET_STRING_H_

#include <string>
#include <string_view>

#include "ber/asn_byte_string.h"

namespace vandrel {

// AsnOctetString is the ASN.1 OCTET STRING (tag 0x04, type name "String"); the message keeps its
// community in one.
class AsnOctetString : public AsnByteString {
 public:
  // The content is the text's characters; past kMaxContentLength (65535) they are cut, since a
  // value cannot hold more.
  explicit AsnOctetString(std::string_view text);
  explicit AsnOctetString(BerReader& in);

 private:
  // The content octets unchanged; a zero octet stays in the text (and ends it early for a reader
  // of zero-terminated text).
  std::string buildText() const override;
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_OCTET_STRING_H_
