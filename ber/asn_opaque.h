#ifndef VANDREL_BER_ASN_OPAQUE_H_
#define VANDREL_BER_ASN_OPAQUE_H_

#include <string>

#include "ber/asn_byte_string.h"

namespace vandrel {

// AsnOpaque is the SNMP Opaque type (tag 0x44, type name "Opaque"). The decoder also uses it for
// every received element whose tag has no class of its own (NULL among them); such a value
// carries tag 0x44 from then on.
class AsnOpaque : public AsnByteString {
 public:
  explicit AsnOpaque(BerReader& in);

 private:
  // One character per octet: the octet itself when printable ASCII (0x20 to 0x7E), else a space.
  std::string buildText() const override;
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_OPAQUE_H_
