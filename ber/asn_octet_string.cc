#include "ber/asn_octet_string.h"

#include "ber/ber_codec.h"

namespace vandrel {

AsnOctetString::AsnOctetString(std::string_view text) : AsnByteString(kTagOctetString, "String") {
  setContent({reinterpret_cast<const uint8_t*>(text.data()), text.size()});
}

AsnOctetString::AsnOctetString(BerReader& in) : AsnByteString(in, kTagOctetString, "String") {}

std::string AsnOctetString::buildText() const {
  return std::string(content().begin(), content().end());
}

}  // namespace vandrel
