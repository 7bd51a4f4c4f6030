#ifndef VANDREL_CLI_VANDREL_H_
#define VANDREL_CLI_VANDREL_H_

#include <functional>
#include <span>

#include "cli/command_line.h"
#include "cli/console.h"
#include "cli/texts.h"

namespace vandrel {

// Exchange runs the one exchange with the switch; Clock gives the log line's date and time.
using Exchange = std::function<Outcome(const CommandLine&, Console&)>;
using Clock = std::function<LogStamp()>;

// runVandrel is the whole tool: `argv` as the program got it (its name first). It checks the
// command line (usage text and status 1 when wrong, before anything else starts), announces the
// run or takes the log line's time, runs the exchange and prints the outcome. Returns the exit
// status: 0 when the switch applied the changes, else 1.
int runVandrel(std::span<const char* const> argv, Console& console, const Exchange& exchange,
               const Clock& clock);

}  // namespace vandrel

#endif  // VANDREL_CLI_VANDREL_H_
