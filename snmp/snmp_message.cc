#include "snmp/snmp_message.h"

#include <string>
#include <utility>

#include "ber/asn_oid.h"
#include "ber/ber_codec.h"
#include "snmp/pdu_body.h"

namespace vandrel {

namespace {
constexpr std::string_view kNoBinding = "NULL";
constexpr uint8_t kNoPduTag = 0xFF;
constexpr std::string_view kSysUpTime = "1.3.6.1.2.1.1.3.0";
constexpr std::string_view kSnmpTrapOid = "1.3.6.1.6.3.1.1.4.1.0";
constexpr std::string_view kSnmpTraps = "1.3.6.1.6.3.1.1.5.";
}  // namespace

SnmpMessage::SnmpMessage() : SnmpMessage(nullptr) {}

SnmpMessage::SnmpMessage(std::unique_ptr<AsnOctetString> community)
    : community_(community ? std::move(community)
                           : std::make_unique<AsnOctetString>(kDefaultCommunity)) {}

SnmpMessage::SnmpMessage(uint32_t type, int32_t version) : SnmpMessage() {
  version_ = std::make_unique<AsnInteger>(version);
  setType(type);
}

SnmpMessage::~SnmpMessage() = default;

uint32_t SnmpMessage::pduElementContentSize(uint32_t bindingsContent) const {
  return pdu_->contentSize() + vandrel::encodedSize(bindingsContent);
}

uint32_t SnmpMessage::contentSize() const {
  return contentSizeAround(pdu_ ? pduElementContentSize(bindings_.contentSize()) : 0);
}

uint32_t SnmpMessage::contentSizeAround(uint32_t pduElementContent) const {
  uint32_t size = 0;
  if (version_) size += version_->encodedSize();
  if (community_) size += community_->encodedSize();
  if (pdu_) size += vandrel::encodedSize(pduElementContent);
  return size;
}

uint32_t SnmpMessage::encodedSize() const { return vandrel::encodedSize(contentSize()); }

void SnmpMessage::encode(uint8_t*& cursor) const {
  // The sizes are sums over the body and every binding: each is summed once here.
  uint32_t bindingsContent = pdu_ ? bindings_.contentSize() : 0;
  uint32_t pduElementContent = pdu_ ? pduElementContentSize(bindingsContent) : 0;
  *cursor++ = kTagSequence;
  writeLength(cursor, contentSizeAround(pduElementContent));
  if (version_) version_->encode(cursor);
  if (community_) community_->encode(cursor);
  if (!pdu_) return;
  // The PDU element's tag comes from the body, not from pduType.
  *cursor++ = pdu_->pduTag();
  writeLength(cursor, pduElementContent);
  pdu_->encode(cursor);
  bindings_.encodeWithContentSize(cursor, bindingsContent);
}

void SnmpMessage::setType(uint32_t type) {
  pduType_ = type;
  if (std::unique_ptr<Pdu> body = makePduBody(type)) pdu_ = std::move(body);
}

void SnmpMessage::addVarBind(std::unique_ptr<VarBind> binding) {
  bindings_.append(std::move(binding));
}

VarBind* SnmpMessage::varBindAt(int32_t n) const {
  if (n < 1) return nullptr;
  VarBind* binding = bindings_.head();
  for (int32_t i = 1; i < n && binding; ++i) binding = binding->next();
  return binding;
}

void SnmpMessage::setVersion(std::unique_ptr<AsnInteger> version) { version_ = std::move(version); }
void SnmpMessage::setCommunity(std::string_view text) {
  community_ = std::make_unique<AsnOctetString>(text);
}
void SnmpMessage::setCommunity(std::unique_ptr<AsnOctetString> community) {
  community_ = std::move(community);
}
void SnmpMessage::setPdu(std::unique_ptr<Pdu> body) { pdu_ = std::move(body); }

int32_t SnmpMessage::version() const {
  if (!version_) throw MissingVersion();
  return version_->value();
}

const std::string* SnmpMessage::community() const {
  return community_ ? &community_->toText() : nullptr;
}

int32_t SnmpMessage::varBindCount() const {
  int32_t count = 0;
  for (const VarBind* b = bindings_.head(); b; b = b->next()) ++count;
  return count;
}

std::string_view SnmpMessage::varBindOid(int32_t n) const {
  const VarBind* binding = varBindAt(n);
  return binding && binding->oid() ? std::string_view(binding->oid()->toText()) : kNoBinding;
}

std::string_view SnmpMessage::varBindType(int32_t n) const {
  const VarBind* binding = varBindAt(n);
  return binding && binding->value() ? std::string_view(binding->value()->typeName()) : kNoBinding;
}

std::string_view SnmpMessage::varBindValue(int32_t n) const {
  const VarBind* binding = varBindAt(n);
  return binding && binding->value() ? std::string_view(binding->value()->toText()) : kNoBinding;
}

int32_t SnmpMessage::requestId() const { return pdu_ ? pdu_->requestId() : 0; }
int32_t SnmpMessage::errorIndex() const { return pdu_ ? pdu_->errorIndex() : 0; }
int32_t SnmpMessage::errorStatus() const { return pdu_ ? pdu_->errorStatus() : 0; }
int32_t SnmpMessage::genericTrap() const { return pdu_ ? pdu_->genericTrap() : 0; }
int32_t SnmpMessage::specificTrap() const { return pdu_ ? pdu_->specificTrap() : 0; }
uint32_t SnmpMessage::timeStamp() const { return pdu_ ? pdu_->timeStamp() : 0; }
const std::string* SnmpMessage::agentAddress() const {
  return pdu_ ? pdu_->agentAddress() : nullptr;
}
const std::string* SnmpMessage::enterprise() const { return pdu_ ? pdu_->enterprise() : nullptr; }
uint8_t SnmpMessage::pduTag() const { return pdu_ ? pdu_->pduTag() : kNoPduTag; }

void SnmpMessage::setRequestId(int32_t v) {
  if (pdu_) pdu_->setRequestId(v);
}
void SnmpMessage::setErrorIndex(int32_t v) {
  if (pdu_) pdu_->setErrorIndex(v);
}
void SnmpMessage::setErrorStatus(int32_t v) {
  if (pdu_) pdu_->setErrorStatus(v);
}
void SnmpMessage::setGenericTrap(int32_t v) {
  if (pdu_) pdu_->setGenericTrap(v);
}
void SnmpMessage::setSpecificTrap(int32_t v) {
  if (pdu_) pdu_->setSpecificTrap(v);
}
void SnmpMessage::setTimeStamp(uint32_t v) {
  if (pdu_) pdu_->setTimeStamp(v);
}
void SnmpMessage::setAgentAddress(std::string_view dotted) {
  if (pdu_) pdu_->setAgentAddress(dotted);
}
void SnmpMessage::setEnterprise(std::string_view dotted) {
  if (pdu_) pdu_->setEnterprise(dotted);
}

void SnmpMessage::convertTrap(uint32_t upTime, std::string_view enterprise, int32_t genericTrap,
                              int32_t specificTrap) {
  if (pduType_ != kTagTrapV2) return;
  bool generic = genericTrap >= 0 && genericTrap <= 5;
  if (!generic && enterprise.empty()) return;

  // RFC 1908: snmpTraps.(generic + 1) for the generic traps, enterprise.0.specific otherwise.
  std::string trapOid = generic ? std::string(kSnmpTraps) + std::to_string(genericTrap + 1)
                                : std::string(enterprise) + ".0." + std::to_string(specificTrap);

  auto upTimeBinding = std::make_unique<VarBind>(std::make_unique<AsnOid>(kSysUpTime),
                                                 std::make_unique<AsnTimeTicks>(upTime));
  auto trapBinding = std::make_unique<VarBind>(std::make_unique<AsnOid>(kSnmpTrapOid),
                                               std::make_unique<AsnOid>(trapOid));
  std::unique_ptr<VarBind> previous = bindings_.replaceHead(std::move(upTimeBinding));
  bindings_.append(std::move(trapBinding));
  bindings_.append(std::move(previous));
}

}  // namespace vandrel
