#ifndef VANDREL_SNMP_VARBIND_H_
#define VANDREL_SNMP_VARBIND_H_

#include <cstdint>
#include <memory>

#include "ber/asn_value.h"
#include "ber/ber_object.h"

namespace vandrel {

// VarBind pairs a name, normally an object identifier, with a value. Either may be absent: a
// binding without a name encodes no name, one without a value encodes NULL (05 00).
//
// A binding owns its name and value, and the bindings linked behind it: a chain handed over as
// its first binding is handed over whole. Its destructor frees the chain one binding at a time,
// so a chain of any length is freed without deep recursion.
class VarBind : public BerObject {
 public:
  VarBind();
  VarBind(std::unique_ptr<AsnValue> oid, std::unique_ptr<AsnValue> value);
  ~VarBind() override;
  VarBind(const VarBind&) = delete;
  VarBind& operator=(const VarBind&) = delete;

  // oid and value lend the members, or return null for an absent one.
  const AsnValue* oid() const { return oid_.get(); }
  const AsnValue* value() const { return value_.get(); }

  // setOid and setValue take the member, freeing one that was already there.
  void setOid(std::unique_ptr<AsnValue> oid) { oid_ = std::move(oid); }
  void setValue(std::unique_ptr<AsnValue> value) { value_ = std::move(value); }

  // next lends the following binding of the chain, or returns null for the last.
  VarBind* next() const { return next_.get(); }

  // contentSize is the name's encoded size (0 without one) plus the value's (2 without one).
  uint32_t contentSize() const;
  // encodedSize is the size of the whole SEQUENCE: exactly what encode writes.
  uint32_t encodedSize() const;
  void encode(uint8_t*& cursor) const override;

 private:
  friend class VarBindList;  // the list links bindings together

  std::unique_ptr<AsnValue> oid_;
  std::unique_ptr<AsnValue> value_;
  std::unique_ptr<VarBind> next_;
};

// VarBindList is the sequence of bindings a message carries, a chain linked through `next`.
class VarBindList : public BerObject {
 public:
  VarBindList() = default;
  VarBindList(const VarBindList&) = delete;
  VarBindList& operator=(const VarBindList&) = delete;

  // head lends the first binding, or returns null for an empty list.
  VarBind* head() const { return head_.get(); }

  // append links `binding`, and every binding already linked behind it, at the end of the list.
  // Appending null changes nothing. The end is remembered, so appending n bindings costs O(n).
  void append(std::unique_ptr<VarBind> binding);

  // replaceHead makes `binding` (with its chain) the whole list and hands back the previous
  // chain, which no longer belongs to the list (null for an empty list).
  std::unique_ptr<VarBind> replaceHead(std::unique_ptr<VarBind> binding);

  // contentSize is the sum of the bindings' encoded sizes.
  uint32_t contentSize() const;
  // encodedSize is the size of the whole SEQUENCE (30 00 for an empty list): exactly what encode
  // writes.
  uint32_t encodedSize() const;
  void encode(uint8_t*& cursor) const override;
  // encodeWithContentSize is encode for a caller that has already summed contentSize(): a message
  // needs that sum for its own length octets, and the list need not walk its chain for it again.
  void encodeWithContentSize(uint8_t*& cursor, uint32_t contentSize) const;

 private:
  void findTail(VarBind* from);

  std::unique_ptr<VarBind> head_;
  VarBind* tail_ = nullptr;  // the last binding of the chain from head_, or null
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_VARBIND_H_
