#include "cli/console.h"

#include <cstdio>

namespace vandrel {

void StandardOutput::write(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void StandardOutput::flush() { std::fflush(stdout); }

}  // namespace vandrel
