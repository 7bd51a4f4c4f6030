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
  // as 0.
  explicit StandardPdu(uint8_t tag);

 private:
  std::unique_ptr<AsnInteger> requestId_;
  std::unique_ptr<AsnInteger> errorStatus_;
  std::unique_ptr<AsnInteger> errorIndex_;
  uint8_t tag_;
};

class GetRequestPdu : public StandardPdu {
 public:
  GetRequestPdu() : StandardPdu(kTagGetRequest) {}
};

class GetNextRequestPdu : public StandardPdu {
 public:
  GetNextRequestPdu() : StandardPdu(kTagGetNextRequest) {}
};

class ResponsePdu : public StandardPdu {
 public:
  ResponsePdu() : StandardPdu(kTagResponse) {}
};

class SetRequestPdu : public StandardPdu {
 public:
  SetRequestPdu() : StandardPdu(kTagSetRequest) {}
};

// TrapV2Pdu is the SNMPv2-Trap body. Its agent address is fixed at 255.255.255.255: the SNMPv2
// trap has no such field, and setAgentAddress does nothing.
class TrapV2Pdu : public StandardPdu {
 public:
  TrapV2Pdu();
  const std::string* agentAddress() const override { return &agentAddressText_; }

 private:
  std::string agentAddressText_;
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_STANDARD_PDU_H_
