#include "snmp/pdu_body.h"

namespace vandrel {

std::unique_ptr<Pdu> makePduBody(uint32_t tag, StandardPdu::Defaults defaults) {
  switch (tag) {
    case kTagGetRequest:
      return std::make_unique<GetRequestPdu>(defaults);
    case kTagGetNextRequest:
      return std::make_unique<GetNextRequestPdu>(defaults);
    case kTagResponse:
      return std::make_unique<ResponsePdu>(defaults);
    case kTagSetRequest:
      return std::make_unique<SetRequestPdu>(defaults);
    case kTagTrapV1:
      return std::make_unique<TrapV1Pdu>();
    case kTagTrapV2:
      return std::make_unique<TrapV2Pdu>(defaults);
    default:
      return nullptr;
  }
}

}  // namespace vandrel
