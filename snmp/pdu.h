#ifndef VANDREL_SNMP_PDU_H_
#define VANDREL_SNMP_PDU_H_

#include <cstdint>
#include <string>
#include <string_view>

#include "ber/ber_cursor.h"
#include "ber/ber_object.h"

namespace vandrel {

// Tags of the six PDUs this library knows.
inline constexpr uint8_t kTagGetRequest = 0xA0;
inline constexpr uint8_t kTagGetNextRequest = 0xA1;
inline constexpr uint8_t kTagResponse = 0xA2;
inline constexpr uint8_t kTagSetRequest = 0xA3;
inline constexpr uint8_t kTagTrapV1 = 0xA4;
inline constexpr uint8_t kTagTrapV2 = 0xA7;

// Pdu is a PDU body: the fields a PDU carries before its variable bindings, and its tag. A body
// writes and reads only its own fields; the PDU's tag, length octets and binding list belong to
// the message.
//
// Every operation exists on every body so that the message can call any of them. Here they do
// nothing or return 0 or null; each body overrides those of the fields it has.
class Pdu : public BerObject {
 public:
  virtual void setRequestId(int32_t) {}
  virtual int32_t requestId() const { return 0; }
  virtual void setErrorIndex(int32_t) {}
  virtual int32_t errorIndex() const { return 0; }
  virtual void setErrorStatus(int32_t) {}
  virtual int32_t errorStatus() const { return 0; }
  virtual void setGenericTrap(int32_t) {}
  virtual int32_t genericTrap() const { return 0; }
  virtual void setSpecificTrap(int32_t) {}
  virtual int32_t specificTrap() const { return 0; }
  virtual void setTimeStamp(uint32_t) {}
  virtual uint32_t timeStamp() const { return 0; }
  // setAgentAddress takes a dotted IPv4 address; agentAddress lends its text, or null.
  virtual void setAgentAddress(std::string_view) {}
  virtual const std::string* agentAddress() const { return nullptr; }
  // setEnterprise takes a dotted object identifier; enterprise lends its text, or null.
  virtual void setEnterprise(std::string_view) {}
  virtual const std::string* enterprise() const { return nullptr; }

  // contentSize is the number of octets encode writes: the sum of the present fields' sizes.
  virtual uint32_t contentSize() const = 0;

  // decodeBody reads the body's fields from `in`, which stands just after the PDU's length
  // octets, and leaves it where the binding list is expected. A field whose tag does not match
  // is left as it was and the next field's tag is read from the following octet. A field that
  // runs past the data fails `in`.
  virtual void decodeBody(BerReader& in) = 0;

  virtual uint8_t pduTag() const = 0;
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_PDU_H_
