#include "snmp/varbind.h"

#include <utility>

#include "ber/ber_codec.h"

namespace vandrel {

namespace {
// A binding without a value carries an ASN.1 NULL.
constexpr uint8_t kNullEncoding[] = {kTagNull, 0x00};
}  // namespace

VarBind::VarBind() = default;

VarBind::VarBind(std::unique_ptr<AsnValue> oid, std::unique_ptr<AsnValue> value)
    : oid_(std::move(oid)), value_(std::move(value)) {}

VarBind::~VarBind() {
  // Unlink one binding at a time: each one destroyed has no chain left behind it.
  while (next_) next_ = std::move(next_->next_);
}

uint32_t VarBind::contentSize() const {
  return (oid_ ? oid_->encodedSize() : 0) +
         (value_ ? value_->encodedSize() : sizeof(kNullEncoding));
}

uint32_t VarBind::encodedSize() const { return vandrel::encodedSize(contentSize()); }

void VarBind::encode(uint8_t*& cursor) const {
  *cursor++ = kTagSequence;
  writeLength(cursor, contentSize());
  if (oid_) oid_->encode(cursor);
  if (value_) {
    value_->encode(cursor);
  } else {
    for (uint8_t octet : kNullEncoding) *cursor++ = octet;
  }
}

void VarBindList::findTail(VarBind* from) {
  tail_ = from;
  while (tail_ && tail_->next_) tail_ = tail_->next_.get();
}

void VarBindList::append(std::unique_ptr<VarBind> binding) {
  if (!binding) return;
  VarBind* first = binding.get();
  if (tail_) {
    tail_->next_ = std::move(binding);
  } else {
    head_ = std::move(binding);
  }
  findTail(first);
}

std::unique_ptr<VarBind> VarBindList::replaceHead(std::unique_ptr<VarBind> binding) {
  std::unique_ptr<VarBind> previous = std::move(head_);
  head_ = std::move(binding);
  findTail(head_.get());
  return previous;
}

uint32_t VarBindList::contentSize() const {
  uint32_t size = 0;
  for (const VarBind* b = head_.get(); b; b = b->next()) size += b->encodedSize();
  return size;
}

uint32_t VarBindList::encodedSize() const { return vandrel::encodedSize(contentSize()); }

void VarBindList::encode(uint8_t*& cursor) const { encodeWithContentSize(cursor, contentSize()); }

void VarBindList::encodeWithContentSize(uint8_t*& cursor, uint32_t contentSize) const {
  *cursor++ = kTagSequence;
  writeLength(cursor, contentSize);
  for (const VarBind* b = head_.get(); b; b = b->next()) b->encode(cursor);
}

}  // namespace vandrel
