#ifndef VANDREL_CLI_COMMAND_LINE_H_
#define VANDREL_CLI_COMMAND_LINE_H_

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vandrel {

// Mode is how the outcome is reported: a few human-readable lines, or one time-stamped line for a
// log file.
enum class Mode { kHuman, kLog };

// CommandLine is what a run keeps of its arguments. Both texts are kept whole: a long DNS name is
// resolved as typed and a long community travels as typed.
struct CommandLine {
  std::string agent;      // the switch's dotted IPv4 address or DNS name
  std::string community;  // the switch's read/write community name
  Mode mode = Mode::kHuman;
};

// parseCommandLine reads the words after the program's name: `ipAddress community [-l]`, the log
// switch compared without regard to case. Returns nothing for any other form (the caller prints
// the usage text).
std::optional<CommandLine> parseCommandLine(std::span<const char* const> words);

// upperAscii returns `text` with the ASCII letters a to z made upper case; other bytes stay.
std::string upperAscii(std::string_view text);

}  // namespace vandrel

#endif  // VANDREL_CLI_COMMAND_LINE_H_
