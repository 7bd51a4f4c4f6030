// Every text the tool prints, byte for byte. Only the front end prints; the library never does.
#ifndef VANDREL_CLI_TEXTS_H_
#define VANDREL_CLI_TEXTS_H_

#include <string>
#include <string_view>

#include "cli/command_line.h"

namespace vandrel {

// Outcome is what the one exchange with the switch yields.
enum class Outcome {
  kApplied,       // a reply to our request with error-status 0
  kSnmpError,     // a reply to our request with a nonzero error-status
  kNoReply,       // nothing usable came back (or nothing could be sent)
  kOtherRequest,  // a reply whose request-id is not ours, or that has no PDU body
};

// LogStamp is the local date ("yyyy/MM/dd") and time ("HH:mm:ss") at the start of a log run.
struct LogStamp {
  std::string date;
  std::string time;
};

// The text "\n  Sending request...", printed just before the request goes out in human mode.
inline constexpr std::string_view kProgressText = "\n  Sending request...";

std::string bannerText();

// usageText is the banner and the usage lines; `programName` is shown upper-cased, as invoked.
std::string usageText(std::string_view programName);

// announcementText is what human mode prints before the exchange: banner, agent, community.
std::string announcementText(const CommandLine& line);

// outcomeText is the one outcome text for the mode. A reply that answers another request did not
// answer ours, so it is reported exactly as no reply at all.
std::string outcomeText(Outcome outcome, const CommandLine& line, const LogStamp& stamp);

// exitStatus is 0 when the switch accepted the request and 1 otherwise.
int exitStatus(Outcome outcome);

}  // namespace vandrel

#endif  // VANDREL_CLI_TEXTS_H_
