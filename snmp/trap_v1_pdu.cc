#include "snmp/trap_v1_pdu.h"

#include "ber/ber_codec.h"
#include "snmp/pdu_fields.h"

namespace vandrel {

void TrapV1Pdu::encode(uint8_t*& cursor) const {
  encodeField(enterprise_, cursor);
  encodeField(agentAddress_, cursor);
  encodeField(genericTrap_, cursor);
  encodeField(specificTrap_, cursor);
  encodeField(timeStamp_, cursor);
}

void TrapV1Pdu::setGenericTrap(int32_t v) { genericTrap_ = std::make_unique<AsnInteger>(v); }
int32_t TrapV1Pdu::genericTrap() const { return genericTrap_ ? genericTrap_->value() : 0; }
void TrapV1Pdu::setSpecificTrap(int32_t v) { specificTrap_ = std::make_unique<AsnInteger>(v); }
int32_t TrapV1Pdu::specificTrap() const { return specificTrap_ ? specificTrap_->value() : 0; }
void TrapV1Pdu::setTimeStamp(uint32_t v) { timeStamp_ = std::make_unique<AsnTimeTicks>(v); }
uint32_t TrapV1Pdu::timeStamp() const {
  return timeStamp_ ? static_cast<uint32_t>(timeStamp_->value()) : 0;
}
void TrapV1Pdu::setAgentAddress(std::string_view dotted) {
  agentAddress_ = std::make_unique<AsnIpAddress>(dotted);
}
const std::string* TrapV1Pdu::agentAddress() const {
  return agentAddress_ ? &agentAddress_->toText() : nullptr;
}
void TrapV1Pdu::setEnterprise(std::string_view dotted) {
  enterprise_ = std::make_unique<AsnOid>(dotted);
}
const std::string* TrapV1Pdu::enterprise() const {
  return enterprise_ ? &enterprise_->toText() : nullptr;
}

uint32_t TrapV1Pdu::contentSize() const {
  return fieldSize(enterprise_.get()) + fieldSize(agentAddress_.get()) +
         fieldSize(genericTrap_.get()) + fieldSize(specificTrap_.get()) +
         fieldSize(timeStamp_.get());
}

void TrapV1Pdu::decodeBody(BerReader& in) {
  decodeField(in, kTagOid, enterprise_);
  decodeField(in, kTagIpAddress, agentAddress_);
  decodeField(in, kTagInteger, genericTrap_);
  decodeField(in, kTagInteger, specificTrap_);
  decodeField(in, kTagTimeTicks, timeStamp_);
}

}  // namespace vandrel
