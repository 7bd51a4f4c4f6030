// The log line's date and time from Windows' national-language support.
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <windows.h>

#include "cli/local_clock.h"

namespace vandrel {

namespace {

// The system default locale. The pictures quote their separators, so the locale changes nothing
// in the texts: a four-digit year, then two digits each, on a 24-hour clock.
constexpr LCID kSystemDefaultLocale = 0x0800;
static_assert(kSystemDefaultLocale == LOCALE_SYSTEM_DEFAULT);
constexpr char kDatePicture[] = "yyyy'/'MM'/'dd";
constexpr char kTimePicture[] = "HH':'mm':'ss";

}  // namespace

LogStamp localLogStamp() {
  // One reading of the clock serves both texts, so that a run started on the stroke of midnight
  // cannot pair one day's date with the next day's time.
  SYSTEMTIME now;
  GetLocalTime(&now);
  // Each text is formatted into a buffer of 128 characters, as the log line has always had.
  char date[128];
  char time[128];
  if (GetDateFormatA(kSystemDefaultLocale, 0, &now, kDatePicture, date, sizeof date) == 0 ||
      GetTimeFormatA(kSystemDefaultLocale, 0, &now, kTimePicture, time, sizeof time) == 0) {
    return {kUnknownDate, kUnknownTime};
  }
  return {date, time};
}

}  // namespace vandrel
