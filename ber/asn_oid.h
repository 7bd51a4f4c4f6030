#ifndef VANDREL_BER_ASN_OID_H_
#define VANDREL_BER_ASN_OID_H_

#include <string>
#include <string_view>

#include "ber/asn_byte_string.h"

namespace vandrel {

// AsnOid is the ASN.1 OBJECT IDENTIFIER (tag 0x06, type name "OID").
class AsnOid : public AsnByteString {
 public:
  // The most content octets the text constructor builds.
  static constexpr size_t kMaxTextContent = 4096;

  // Builds the content from dotted text such as "1.3.6.1.2.1.1.3.0" (parts read as by
  // splitDotted). The first two arcs pack into one sub-identifier, the rest follow as base-128
  // sub-identifiers. A missing first or second arc reads as 0, so "" is 0.0 and "1" is 1.0.
  // Text whose content would exceed kMaxTextContent octets gives an empty identifier (06 00)
  // rather than a cut-short one that would name some other object.
  explicit AsnOid(std::string_view dotted);
  explicit AsnOid(BerReader& in);

 private:
  // The arcs in unsigned decimal joined by "."; empty content gives "". A last sub-identifier
  // cut short by the end of the content shows the groups it has.
  std::string buildText() const override;
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_OID_H_
