#ifndef VANDREL_SNMP_STANDARD_PDU_H_
#define VANDREL_SNMP_STANDARD_PDU_H_

#include <cstdint>
#include <memory>
#include <string>

#include "ber/asn_number.h"
#include "snmp/pdu.h"

namespace vandrel {

// StandardPdu is the body of GetRequest, GetNextRequest, GetResponse, SetRequest and SNMPv2-Trap:
// request-id, error-status and error-index, three INTEGERs in that order on the wire. It is only
// created as one of the five subclasses, which differ in their tag.
class StandardPdu : public Pdu {
 public:
  // When a body gets its initial field values (request-id the current time, error-status and
  // error-index 0): when it is constructed, or, for a body made to be decoded, only for the
  // fields its decodeBody does not find. The second ends in the same state without reading the
  // clock or making values only to replace them.
  enum class Defaults { kAtConstruction, kAfterDecoding };

  void encode(uint8_t*& cursor) const override;

  // setRequestId, setErrorIndex and setErrorStatus replace the field with an INTEGER of `v`.
  void setRequestId(int32_t v) override;
  int32_t requestId() const override;
  void setErrorIndex(int32_t v) override;
  int32_t errorIndex() const override;
  void setErrorStatus(int32_t v) override;
  int32_t errorStatus() const override;

  uint32_t contentSize() const override;
  void decodeBody(BerReader& in) override;
  uint8_t pduTag() const override { return tag_; }

  // makeResponse turns the body into a GetResponse: only the tag changes.
  void makeResponse() { tag_ = kTagResponse; }

 protected:
  // The request-id starts as the current calendar time in seconds, error-status and error-index
  // as 0 (see Defaults).
  StandardPdu(uint8_t tag, Defaults defaults);

 private:
  // giveDefaults gives each absent field its initial value.
  void giveDefaults();

  std::unique_ptr<AsnInteger> requestId_;
  std::unique_ptr<AsnInteger> errorStatus_;
  std::unique_ptr<AsnInteger> errorIndex_;
  uint8_t tag_;
  bool defaultsPending_;  // Defaults::kAfterDecoding until decodeBody has run
};

class GetRequestPdu : public StandardPdu {
 public:
  explicit GetRequestPdu(Defaults defaults = Defaults::kAtConstruction)
      : StandardPdu(kTagGetRequest, defaults) {}
};

class GetNextRequestPdu : public StandardPdu {
 public:
  explicit GetNextRequestPdu(Defaults defaults = Defaults::kAtConstruction)
      : StandardPdu(kTagGetNextRequest, defaults) {}
};

class ResponsePdu : public StandardPdu {
 public:
  explicit ResponsePdu(Defaults defaults = Defaults::kAtConstruction)
      : StandardPdu(kTagResponse, defaults) {}
};

class SetRequestPdu : public StandardPdu {
 public:
  explicit SetRequestPdu(Defaults defaults = Defaults::kAtConstruction)
      : StandardPdu(kTagSetRequest, defaults) {}
};

// TrapV2Pdu is the SNMPv2-Trap body. Its agent address is fixed at 255.255.255.255: the SNMPv2
// trap has no such field, and setAgentAddress does nothing.
class TrapV2Pdu : public StandardPdu {
 public:
  explicit TrapV2Pdu(Defaults defaults = Defaults::kAtConstruction);
  const std::string* agentAddress() const override { return &agentAddressText_; }

 private:
  std::string agentAddressText_;
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_STANDARD_PDU_H_
