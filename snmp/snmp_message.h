#ifndef VANDREL_SNMP_SNMP_MESSAGE_H_
#define VANDREL_SNMP_SNMP_MESSAGE_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ber/asn_number.h"
#include "ber/asn_octet_string.h"
#include "snmp/pdu.h"
#include "snmp/snmp_message_base.h"
#include "snmp/varbind.h"

namespace vandrel {

// SnmpMessage is the SNMPv1 message envelope (RFC 1157): version, community, and the PDU, whose
// element holds the body's fields followed by the binding list.
//
//   30 len | 02 version | 04 community | body tag, len(P + V) | body fields (P) | bindings (V)
//
// A part that is absent is left out; a message without a body has no PDU element at all.
// The message owns its community, version, body and bindings; each setter frees what it
// replaces.
class SnmpMessage : public SnmpMessageBase {
 public:
  // The community every new message starts with.
  static constexpr std::string_view kDefaultCommunity = "tessel";

  // Building constructor: version `version`, the default community, and the empty body for the
  // PDU tag `type` (none for a tag outside the six).
  SnmpMessage(uint32_t type, int32_t version);
  // Decoding constructor: the default community, no version, no body, pduType 0.
  SnmpMessage();
  // Decoding constructor for a message whose community has been read: that community (the default
  // one when null), no version, no body, pduType 0.
  explicit SnmpMessage(std::unique_ptr<AsnOctetString> community);
  ~SnmpMessage() override;

  void encode(uint8_t*& cursor) const override;
  uint32_t encodedSize() const override;
  // contentSize is the size of the message SEQUENCE's content.
  uint32_t contentSize() const;

  // setType records the PDU type and gives the message a new empty body for it; for a tag outside
  // the six the current body stays.
  void setType(uint32_t type);
  uint32_t pduType() const { return pduType_; }

  // addVarBind appends `binding`, with any bindings linked behind it, to the binding list.
  void addVarBind(std::unique_ptr<VarBind> binding);
  // varBindAt lends binding n, counted from 1, or returns null when there is none.
  VarBind* varBindAt(int32_t n) const;
  const VarBindList& bindings() const { return bindings_; }

  void setVersion(std::unique_ptr<AsnInteger> version);
  void setCommunity(std::string_view text);
  void setCommunity(std::unique_ptr<AsnOctetString> community);
  // pdu lends the body, or returns null; setPdu takes a body without changing pduType.
  Pdu* pdu() const { return pdu_.get(); }
  void setPdu(std::unique_ptr<Pdu> body);

  int32_t version() const override;
  const std::string* community() const override;
  int32_t varBindCount() const override;
  std::string_view varBindOid(int32_t n) const override;
  std::string_view varBindType(int32_t n) const override;
  std::string_view varBindValue(int32_t n) const override;

  // The PDU getters and setters forward to the body. Without one the getters give 0 (null for
  // texts) and the setters do nothing.
  int32_t requestId() const override;
  int32_t errorIndex() const override;
  int32_t errorStatus() const override;
  int32_t genericTrap() const override;
  int32_t specificTrap() const override;
  uint32_t timeStamp() const override;
  const std::string* agentAddress() const override;
  const std::string* enterprise() const override;
  uint8_t pduTag() const override;
  virtual void setRequestId(int32_t v);
  virtual void setErrorIndex(int32_t v);
  virtual void setErrorStatus(int32_t v);
  virtual void setGenericTrap(int32_t v);
  virtual void setSpecificTrap(int32_t v);
  virtual void setTimeStamp(uint32_t v);
  virtual void setAgentAddress(std::string_view dotted);
  virtual void setEnterprise(std::string_view dotted);

  // convertTrap gives an SNMPv2 trap (a message built with type 0xA7) its two leading bindings,
  // sysUpTime.0 = TimeTicks `upTime` and snmpTrapOID.0 = the trap's identifier, in front of the
  // bindings it holds. The identifier is snmpTraps.(genericTrap + 1) for the generic traps 0 to 5,
  // else "<enterprise>.0.<specificTrap>". Any other message is left unchanged, and so is a trap
  // whose identifier would need an enterprise that is empty.
  void convertTrap(uint32_t upTime, std::string_view enterprise, int32_t genericTrap,
                   int32_t specificTrap) override;

 private:
  // pduElementContentSize is the body's size plus the binding list's, given the list's content.
  uint32_t pduElementContentSize(uint32_t bindingsContent) const;
  // contentSizeAround is contentSize for a PDU element of the given content size.
  uint32_t contentSizeAround(uint32_t pduElementContent) const;

  std::unique_ptr<AsnOctetString> community_;
  std::unique_ptr<AsnInteger> version_;
  uint32_t pduType_ = 0;
  std::unique_ptr<Pdu> pdu_;
  VarBindList bindings_;
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_SNMP_MESSAGE_H_
