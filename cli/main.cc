#include <new>
#include <span>

#include "cli/apply_request.h"
#include "cli/console.h"
#include "cli/local_clock.h"
#include "cli/vandrel.h"

int main(int argc, char** argv) {
  vandrel::StandardOutput output;
  auto exchange = [](const vandrel::CommandLine& line, vandrel::Console& console) {
    return vandrel::applyChanges(line, console);
  };
  try {
    return vandrel::runVandrel(std::span<const char* const>(argv, static_cast<size_t>(argc)),
                               output, exchange, vandrel::localLogStamp);
  } catch (const std::bad_alloc&) {
    // Out of memory before the outcome was known: never report success.
    return 1;
  }
}
