#ifndef VANDREL_CLI_APPLY_REQUEST_H_
#define VANDREL_CLI_APPLY_REQUEST_H_

#include <cstdint>
#include <memory>
#include <string_view>

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/texts.h"
#include "snmp/snmp_message.h"

namespace vandrel {

// The switch's apply object and the value that tells it to apply its pending changes.
inline constexpr std::string_view kApplyOid = "1.3.6.1.4.1.1872.2.1.2.1.2.0";
inline constexpr int32_t kApplyValue = 2;
inline constexpr int32_t kApplyRequestId = 123;

// Where and how long the exchange talks to the agent: its SNMP port and the reply time-out.
struct ExchangeSettings {
  int32_t port = 161;
  int32_t timeoutSeconds = 30;
};

// buildApplyRequest returns the SNMPv1 SetRequest of the apply object = INTEGER 2, request-id 123,
// with `community`.
std::unique_ptr<SnmpMessage> buildApplyRequest(std::string_view community);

// judgeReply tells what a reply (or none) means for the apply request.
Outcome judgeReply(const SnmpMessageBase* reply);

// applyChanges is the one exchange with the switch: it sends the apply request to the agent, waits
// for one reply and judges it. In human mode it prints the progress text just before sending.
// Every failure to communicate (start-up, name resolution, bind, send, time-out, a datagram that
// does not decode) comes back as kNoReply; nothing is retried.
Outcome applyChanges(const CommandLine& line, Console& console, const ExchangeSettings& settings = {});

}  // namespace vandrel

#endif  // VANDREL_CLI_APPLY_REQUEST_H_
