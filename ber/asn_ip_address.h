#ifndef VANDREL_BER_ASN_IP_ADDRESS_H_
#define VANDREL_BER_ASN_IP_ADDRESS_H_

#include <string>
#include <string_view>

#include "ber/asn_byte_string.h"

namespace vandrel {

// AsnIpAddress is the SNMP IpAddress type (tag 0x40, type name "IpAddress"): an IPv4 address,
// its octets in network order.
class AsnIpAddress : public AsnByteString {
 public:
  // Builds four octets from dotted text: each part gives the next octet as the low 8 bits of its
  // number (300.1.2.3 is 2C 01 02 03). Parts beyond the fourth are ignored and octets for which
  // the text has no part are 0.
  explicit AsnIpAddress(std::string_view dotted);
  explicit AsnIpAddress(BerReader& in);

 private:
  // Every content octet in decimal joined by "."; a received address need not have four.
  std::string buildText() const override;
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_IP_ADDRESS_H_
