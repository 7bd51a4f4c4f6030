#include "snmp/pdu_body.h"

namespace vandrel {

std::unique_ptr<Pdu> makePduBody(uint32_t tag) {
  switch (tag) {
    case kTagGetRequest:
      return std::make_unique<GetRequestPdu>();
    case kTagGetNextRequest:
      return std::make_unique<GetNextRequestPdu>();
    case kTagResponse:
      return std::make_unique<ResponsePdu>();
    case kTagSetRequest:
      return std::make_unique<SetRequestPdu>();
    case kTagTrapV1:
      return std::make_unique<TrapV1Pdu>();
    case kTagTrapV2:
      return std::make_unique<TrapV2Pdu>();
    default:
      return nullptr;
  }
}

}  // namespace vandrel
