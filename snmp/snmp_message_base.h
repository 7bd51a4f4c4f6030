#ifndef VANDREL_SNMP_SNMP_MESSAGE_BASE_H_
#define VANDREL_SNMP_SNMP_MESSAGE_BASE_H_

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

#include "ber/ber_object.h"

namespace vandrel {

// SnmpMessageBase is the interface through which the rest of the system reads a message and has
// it encoded, whatever built it.
//
// Texts are lent: they belong to the message (or to a value it holds) and live as long as it.
class SnmpMessageBase : public BerObject {
 public:
  // encodedSize is the size of the complete encoding: exactly what encode writes.
  virtual uint32_t encodedSize() const = 0;

  // version returns the version number (SNMPv1 is 0). A message without one throws
  // MissingVersion, which carries the integer 0.
  virtual int32_t version() const = 0;
  // community lends the community text, or returns null without a community.
  virtual const std::string* community() const = 0;

  virtual int32_t varBindCount() const = 0;
  // varBindOid, varBindType and varBindValue give the name text, the value's type name and the
  // value text of binding n, counted from 1; "NULL" when there is no binding n or it lacks the
  // member asked for.
  virtual std::string_view varBindOid(int32_t n) const = 0;
  virtual std::string_view varBindType(int32_t n) const = 0;
  virtual std::string_view varBindValue(int32_t n) const = 0;

  // The PDU's fields; a field the message's body does not have reads as 0 or null.
  virtual int32_t requestId() const = 0;
  virtual int32_t errorIndex() const = 0;
  virtual int32_t errorStatus() const = 0;
  virtual int32_t genericTrap() const = 0;
  virtual int32_t specificTrap() const = 0;
  virtual uint32_t timeStamp() const = 0;
  virtual const std::string* agentAddress() const = 0;
  virtual const std::string* enterprise() const = 0;
  // pduTag is the body's tag, or 0xFF for a message without a body.
  virtual uint8_t pduTag() const = 0;

  // convertTrap puts the two leading bindings of an SNMPv2 trap in front of the bindings; here it
  // does nothing.
  virtual void convertTrap(uint32_t /*upTime*/, std::string_view /*enterprise*/,
                           int32_t /*genericTrap*/, int32_t /*specificTrap*/) {}
};

// MissingVersion is thrown by version() on a message that has none; it carries the integer 0.
class MissingVersion : public std::exception {
 public:
  int value() const { return 0; }
  const char* what() const noexcept override { return "the message has no version"; }
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_SNMP_MESSAGE_BASE_H_
