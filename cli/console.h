#ifndef VANDREL_CLI_CONSOLE_H_
#define VANDREL_CLI_CONSOLE_H_

#include <string_view>

namespace vandrel {

// Console is where the tool's texts go: standard output in the program, a string in tests.
class Console {
 public:
  virtual ~Console() = default;
  virtual void write(std::string_view text) = 0;
  // flush makes what was written visible at once (the progress text, while the tool waits).
  virtual void flush() = 0;
};

// StandardOutput writes to the process's standard output through C stdio.
class StandardOutput : public Console {
 public:
  void write(std::string_view text) override;
  void flush() override;
};

}  // namespace vandrel

#endif  // VANDREL_CLI_CONSOLE_H_
