#include "ber/asn_oid.h"

#include <utility>
#include <vector>

#include "ber/ber_codec.h"
#include "ber/dotted_text.h"

namespace vandrel {

AsnOid::AsnOid(std::string_view dotted) : AsnByteString(kTagOid, "OID") {
  std::vector<uint32_t> arcs = splitDotted(dotted);
  uint32_t first = arcs.size() > 0 ? arcs[0] : 0;
  uint32_t second = arcs.size() > 1 ? arcs[1] : 0;

  size_t size = static_cast<size_t>(joinedFirstOctets(first, second));
  for (size_t i = 2; i < arcs.size() && size <= kMaxTextContent; ++i) size += subIdOctets(arcs[i]);
  if (size > kMaxTextContent) return;

  std::vector<uint8_t> content(size);
  uint8_t* cursor = content.data();
  joinFirstOctet(cursor, first, second);
  for (size_t i = 2; i < arcs.size(); ++i) cursor += writeSubId(cursor, arcs[i]);
  setContent(content);
}

AsnOid::AsnOid(BerReader& in) : AsnByteString(in, kTagOid, "OID") {}

std::string AsnOid::buildText() const {
  if (content().empty()) return {};
  BerReader in(content().data(), content().size());
  FirstArcs arcs = splitFirstOctet(in);
  std::string text = std::to_string(arcs.first) + "." + std::to_string(arcs.second);
  while (!in.atEnd()) {
    uint32_t arc = readSubId(in);
    text += '.';
    text += std::to_string(arc);
  }
  return text;
}

}  // namespace vandrel
