#include "ber/asn_opaque.h"

#include "ber/ber_codec.h"

namespace vandrel {

AsnOpaque::AsnOpaque(BerReader& in) : AsnByteString(in, kTagOpaque, "Opaque") {}

std::string AsnOpaque::buildText() const {
  std::string text;
  text.reserve(content().size());
  for (uint8_t octet : content()) {
    text += (octet >= 0x20 && octet <= 0x7E) ? static_cast<char>(octet) : ' ';
  }
  return text;
}

}  // namespace vandrel
