#include "cli/apply_request.h"

#include "ber/asn_number.h"
#include "ber/asn_oid.h"
#include "net/socket_platform.h"
#include "net/udp_transport.h"
#include "snmp/pdu.h"

namespace vandrel {

std::unique_ptr<SnmpMessage> buildApplyRequest(std::string_view community) {
  auto request = std::make_unique<SnmpMessage>(kTagSetRequest, 0);
  request->setCommunity(community);
  request->setRequestId(kApplyRequestId);
  request->addVarBind(std::make_unique<VarBind>(std::make_unique<AsnOid>(kApplyOid),
                                                std::make_unique<AsnInteger>(kApplyValue)));
  return request;
}

Outcome judgeReply(const SnmpMessageBase* reply) {
  if (!reply) return Outcome::kNoReply;
  // A reply without a PDU body reads request-id 0, so it falls here too.
  if (reply->requestId() != kApplyRequestId) return Outcome::kOtherRequest;
  return reply->errorStatus() != 0 ? Outcome::kSnmpError : Outcome::kApplied;
}

Outcome applyChanges(const CommandLine& line, Console& console, const ExchangeSettings& settings) {
  startSockets();
  // Declared in this order so that they are destroyed in reverse: reply, transport, request.
  std::unique_ptr<SnmpMessage> request = buildApplyRequest(line.community);
  UdpTransport transport(settings.port, line.agent);
  transport.setTimeout(settings.timeoutSeconds);
  if (line.mode == Mode::kHuman) {
    console.write(kProgressText);
    console.flush();
  }
  transport.send(*request);  // a failed send shows as no reply
  std::unique_ptr<SnmpMessage> reply = transport.receive();
  return judgeReply(reply.get());
}

}  // namespace vandrel
