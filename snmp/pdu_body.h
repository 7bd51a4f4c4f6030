// The PDU bodies: the Pdu interface, the five standard bodies and the SNMPv1 trap body.
#ifndef VANDREL_SNMP_PDU_BODY_H_
#define VANDREL_SNMP_PDU_BODY_H_

#include <cstdint>
#include <memory>

#include "snmp/pdu.h"
#include "snmp/standard_pdu.h"
#include "snmp/trap_v1_pdu.h"

namespace vandrel {

// makePduBody creates the empty body for a PDU tag (0xA0 to 0xA4, 0xA7), or returns null for any
// other tag. The decoder asks for a standard body's defaults after decoding (see
// StandardPdu::Defaults); its state after decodeBody is the same either way.
std::unique_ptr<Pdu> makePduBody(
    uint32_t tag, StandardPdu::Defaults defaults = StandardPdu::Defaults::kAtConstruction);

}  // namespace vandrel

#endif  // VANDREL_SNMP_PDU_BODY_H_
