#ifndef VANDREL_BER_ASN_VALUE_H_
#define VANDREL_BER_ASN_VALUE_H_

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ber/ber_codec.h"
#include "ber/ber_cursor.h"
#include "ber/ber_object.h"

namespace vandrel {

// AsnValue is the base of every typed value SNMP carries: it knows its tag, the number of its
// content octets and a fixed type name, writes its own complete encoding, and renders itself as
// text once, keeping that text for as long as it lives.
class AsnValue : public BerObject {
 public:
  // The most content octets a value holds: its length field is 16 bits wide.
  static constexpr uint32_t kMaxContentLength = 0xFFFF;

  AsnValue(const AsnValue&) = delete;
  AsnValue& operator=(const AsnValue&) = delete;

  // toBytes returns a new buffer, owned by the caller, holding the complete encoding (tag, length
  // octets, content): exactly encodedSize() octets.
  virtual std::vector<uint8_t> toBytes() const;

  // toText returns the value as printable text. It is built by the first call and kept: every
  // call returns the same string, owned by the value and valid as long as the value.
  const std::string& toText() const;

  // encodedSize returns the size of the complete encoding: 1 + lengthOctets(contentLength) +
  // contentLength.
  uint32_t encodedSize() const { return vandrel::encodedSize(contentLength_); }

  uint16_t contentLength() const { return contentLength_; }
  uint16_t tag() const { return tag_; }
  const char* typeName() const { return typeName_; }

 protected:
  // Building constructor: no content yet, no text.
  AsnValue(uint16_t tag, const char* typeName);

  // Decoding constructor: `in` stands just after the value's tag octet. Reads the length octets
  // and leaves `in` on the first content octet. A length above kMaxContentLength cannot be held,
  // so it fails the reader (the value, and the message around it, is rejected) and leaves the
  // content length 0.
  AsnValue(BerReader& in, uint16_t tag, const char* typeName);

  // buildText renders the value; toText calls it once and caches the result.
  virtual std::string buildText() const = 0;

  void setContentLength(uint16_t length) { contentLength_ = length; }
  void discardText() { text_.reset(); }

 private:
  uint16_t contentLength_ = 0;
  uint16_t tag_;
  const char* typeName_;                     // static text, not owned
  mutable std::optional<std::string> text_;  // built by the first toText()
};

}  // namespace vandrel

#endif  // VANDREL_BER_ASN_VALUE_H_
