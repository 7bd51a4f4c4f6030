#ifndef VANDREL_CLI_LOCAL_CLOCK_H_
#define VANDREL_CLI_LOCAL_CLOCK_H_

#include "cli/texts.h"

namespace vandrel {

// localLogStamp returns the current local date as "yyyy/MM/dd" and time as "HH:mm:ss" (24-hour
// clock), from the platform's own local-time formatting (it honours TZ on POSIX). When the
// platform cannot tell, the texts are "----/--/--" and "--:--:--", so the log line keeps its
// shape and never shows undefined text.
LogStamp localLogStamp();

inline constexpr char kUnknownDate[] = "----/--/--";
inline constexpr char kUnknownTime[] = "--:--:--";

}  // namespace vandrel

#endif  // VANDREL_CLI_LOCAL_CLOCK_H_
