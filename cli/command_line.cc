#include "cli/command_line.h"

namespace vandrel {

std::string upperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::optional<CommandLine> parseCommandLine(std::span<const char* const> words) {
  if (words.size() == 2) return CommandLine{words[0], words[1], Mode::kHuman};
  if (words.size() == 3 && upperAscii(words[2]) == "-L") {
    return CommandLine{words[0], words[1], Mode::kLog};
  }
  return std::nullopt;
}

}  // namespace vandrel
