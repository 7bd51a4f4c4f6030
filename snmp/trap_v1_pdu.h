#ifndef VANDREL_SNMP_TRAP_V1_PDU_H_
#define VANDREL_SNMP_TRAP_V1_PDU_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "ber/asn_ip_address.h"
#include "ber/asn_number.h"
#include "ber/asn_oid.h"
#include "snmp/pdu.h"

namespace vandrel {

// TrapV1Pdu is the body of the SNMPv1 Trap PDU (tag 0xA4). On the wire its fields are enterprise,
// agent-addr, generic-trap, specific-trap and time-stamp; each is absent until set or decoded,
// and an absent field is left out.
class TrapV1Pdu : public Pdu {
 public:
  TrapV1Pdu() = default;

  void encode(uint8_t*& cursor) const override;

  void setGenericTrap(int32_t v) override;
  int32_t genericTrap() const override;
  void setSpecificTrap(int32_t v) override;
  int32_t specificTrap() const override;
  void setTimeStamp(uint32_t v) override;
  uint32_t timeStamp() const override;
  void setAgentAddress(std::string_view dotted) override;
  const std::string* agentAddress() const override;
  void setEnterprise(std::string_view dotted) override;
  const std::string* enterprise() const override;

  uint32_t contentSize() const override;
  void decodeBody(BerReader& in) override;
  uint8_t pduTag() const override { return kTagTrapV1; }

 private:
  std::unique_ptr<AsnInteger> genericTrap_;
  std::unique_ptr<AsnInteger> specificTrap_;
  std::unique_ptr<AsnTimeTicks> timeStamp_;
  std::unique_ptr<AsnOid> enterprise_;
  std::unique_ptr<AsnIpAddress> agentAddress_;
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_TRAP_V1_PDU_H_
