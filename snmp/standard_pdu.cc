#include "snmp/standard_pdu.h"

#include <ctime>

#include "ber/ber_codec.h"
#include "snmp/pdu_fields.h"

namespace vandrel {

StandardPdu::StandardPdu(uint8_t tag, Defaults defaults)
    : tag_(tag), defaultsPending_(defaults == Defaults::kAfterDecoding) {
  if (!defaultsPending_) giveDefaults();
}

void StandardPdu::giveDefaults() {
  // Two's complement wrap of the time in seconds: any number serves as an initial request-id.
  if (!requestId_)
    requestId_ = std::make_unique<AsnInteger>(static_cast<int32_t>(std::time(nullptr)));
  if (!errorStatus_) errorStatus_ = std::make_unique<AsnInteger>(0);
  if (!errorIndex_) errorIndex_ = std::make_unique<AsnInteger>(0);
}

void StandardPdu::encode(uint8_t*& cursor) const {
  encodeField(requestId_, cursor);
  encodeField(errorStatus_, cursor);
  encodeField(errorIndex_, cursor);
}

void StandardPdu::setRequestId(int32_t v) { requestId_ = std::make_unique<AsnInteger>(v); }
int32_t StandardPdu::requestId() const { return requestId_ ? requestId_->value() : 0; }
void StandardPdu::setErrorIndex(int32_t v) { errorIndex_ = std::make_unique<AsnInteger>(v); }
int32_t StandardPdu::errorIndex() const { return errorIndex_ ? errorIndex_->value() : 0; }
void StandardPdu::setErrorStatus(int32_t v) { errorStatus_ = std::make_unique<AsnInteger>(v); }
int32_t StandardPdu::errorStatus() const { return errorStatus_ ? errorStatus_->value() : 0; }

uint32_t StandardPdu::contentSize() const {
  return fieldSize(requestId_.get()) + fieldSize(errorStatus_.get()) + fieldSize(errorIndex_.get());
}

void StandardPdu::decodeBody(BerReader& in) {
  decodeField(in, kTagInteger, requestId_);
  decodeField(in, kTagInteger, errorStatus_);
  decodeField(in, kTagInteger, errorIndex_);
  if (defaultsPending_) {
    giveDefaults();
    defaultsPending_ = false;
  }
}

TrapV2Pdu::TrapV2Pdu(Defaults defaults)
    : StandardPdu(kTagTrapV2, defaults), agentAddressText_("255.255.255.255") {}

}  // namespace vandrel
