#include <ctime>

#include "cli/local_clock.h"

namespace vandrel {

LogStamp localLogStamp() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  if (now == static_cast<std::time_t>(-1) || localtime_r(&now, &local) == nullptr) {
    return {kUnknownDate, kUnknownTime};
  }
  // Each text is formatted into a buffer of 128 characters, as the log line has always had.
  char date[128];
  char time[128];
  if (std::strftime(date, sizeof date, "%Y/%m/%d", &local) == 0 ||
      std::strftime(time, sizeof time, "%H:%M:%S", &local) == 0) {
    return {kUnknownDate, kUnknownTime};
  }
  return {date, time};
}

}  // namespace vandrel
