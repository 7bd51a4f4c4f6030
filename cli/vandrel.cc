#include "cli/vandrel.h"

#include <optional>

namespace vandrel {

int runVandrel(std::span<const char* const> argv, Console& console, const Exchange& exchange,
               const Clock& clock) {
  const char* programName = argv.empty() ? "" : argv[0];
  std::optional<CommandLine> line = parseCommandLine(argv.empty() ? argv : argv.subspan(1));
  if (!line) {
    console.write(usageText(programName));
    return 1;
  }

  // The log line carries the time the run began, not the time the reply came.
  LogStamp stamp;
  if (line->mode == Mode::kHuman) {
    console.write(announcementText(*line));
  } else {
    stamp = clock();
  }
  Outcome outcome = exchange(*line, console);
  console.write(outcomeText(outcome, *line, stamp));
  console.flush();
  return exitStatus(outcome);
}

}  // namespace vandrel
