// Until the exchange with the switch is in place the command only explains its usage.
#include <cstdio>

#include "cli/texts.h"

int main(int argc, char** argv) {
  std::fputs(vandrel::usageText(argc > 0 ? argv[0] : "").c_str(), stdout);
  return 1;
}
