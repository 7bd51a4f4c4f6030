// Helpers shared by the PDU bodies for their optional field values.
#ifndef VANDREL_SNMP_PDU_FIELDS_H_
#define VANDREL_SNMP_PDU_FIELDS_H_

#include <cstdint>
#include <memory>

#include "ber/asn_value.h"
#include "ber/ber_codec.h"

namespace vandrel {

// fieldSize is a present field's encoded size, 0 for an absent one.
inline uint32_t fieldSize(const AsnValue* field) { return field ? field->encodedSize() : 0; }

// encodeField writes a present field; an absent one is left out. The field's own class is kept,
// so that the call needs no virtual dispatch where that class is final (AsnInteger).
template <typename Value>
void encodeField(const std::unique_ptr<Value>& field, uint8_t*& cursor) {
  if (field) field->encode(cursor);
}

// decodeField reads a tag and, when it is `expectedTag`, replaces `field` with a value decoded
// after it. With any other tag the field stays as it was and `in` stays just past that tag.
template <typename Value>
void decodeField(BerReader& in, uint32_t expectedTag, std::unique_ptr<Value>& field) {
  if (readTag(in) != expectedTag || !in.ok()) return;
  field = std::make_unique<Value>(in);
}

}  // namespace vandrel

#endif  // VANDREL_SNMP_PDU_FIELDS_H_
