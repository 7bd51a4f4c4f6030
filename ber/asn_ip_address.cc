#include "ber/asn_ip_address.h"

#include <array>
#include <vector>

#include "ber/ber_codec.h"
#include "ber/dotted_text.h"

namespace vandrel {

AsnIpAddress::AsnIpAddress(std::string_view dotted) : AsnByteString(kTagIpAddress, "IpAddress") {
  std::vector<uint32_t> parts = splitDotted(dotted);
  std::array<uint8_t, 4> octets{};
  for (size_t i = 0; i < parts.size() && i < octets.size(); ++i) {
    octets[i] = static_cast<uint8_t>(parts[i]);
  }
  setContent(octets);
}

AsnIpAddress::AsnIpAddress(BerReader& in) : AsnByteString(in, kTagIpAddress, "IpAddress") {}

std::string AsnIpAddress::buildText() const {
  std::string text;
  for (uint8_t octet : content()) {
    if (!text.empty()) text += '.';
    text += std::to_string(octet);
  }
  return text;
}

}  // namespace vandrel
