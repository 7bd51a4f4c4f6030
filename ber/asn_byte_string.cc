#include "ber/asn_byte_string.h"

#include <algorithm>
#include <utility>

#include "ber/ber_codec.h"

namespace vandrel {

AsnByteString::AsnByteString(uint16_t tag, const char* typeName) : AsnValue(tag, typeName) {}

AsnByteString::AsnByteString(BerReader& in, uint16_t tag, const char* typeName)
    : AsnValue(in, tag, typeName) {
  BerReader bytes = in.sub(contentLength());
  if (!bytes.ok()) {
    setContentLength(0);
    return;
  }
  content_.assign(bytes.pos, bytes.end);
}

void AsnByteString::setContent(std::vector<uint8_t> content) {
  if (content.size() > kMaxContentLength) content.resize(kMaxContentLength);
  content_ = std::move(content);
  setContentLength(static_cast<uint16_t>(content_.size()));
  discardText();
}

void AsnByteString::encode(uint8_t*& cursor) const {
  *cursor++ = static_cast<uint8_t>(tag());
  writeLength(cursor, contentLength());
  cursor = std::copy(content_.begin(), content_.end(), cursor);
}

}  // namespace vandrel
