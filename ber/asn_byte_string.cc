#include "ber/asn_byte_string.h"

#include <algorithm>
#include <cstring>

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
  content_.assign({bytes.pos, bytes.end});
}

void AsnByteString::setContent(std::span<const uint8_t> content) {
  content_.assign(content.first(std::min<size_t>(content.size(), kMaxContentLength)));
  setContentLength(static_cast<uint16_t>(content_.size()));
  discardText();
}

void AsnByteString::encode(uint8_t*& cursor) const {
  uint8_t* out = cursor;  // a local pointer: see writeLength
  *out++ = static_cast<uint8_t>(tag());
  writeLength(out, contentLength());
  std::memcpy(out, content_.data(), content_.size());
  cursor = out + content_.size();
}

}  // namespace vandrel
