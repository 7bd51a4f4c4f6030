// The runtime's own local time is the reference: on Windows the stamp comes from the national-
// language support functions instead, so a wrong picture (minutes for months, a 12-hour clock) or
// a wrong clock shows here.
#define _CRT_SECURE_NO_WARNINGS  // std::localtime, for MSVC
#include "cli/local_clock.h"

#include <gtest/gtest.h>

#include <ctime>
#include <string>

namespace vandrel {
namespace {

std::string runtimeLocalTime() {
  std::time_t now = std::time(nullptr);
  char text[32];
  size_t length = std::strftime(text, sizeof text, "%Y/%m/%d %H:%M:%S", std::localtime(&now));
  return std::string(text, length);
}

TEST(LocalClockTest, StampIsTheLocalDateAndTime) {
  // Readings on either side of the stamp that agree pin it to one second.
  for (int attempt = 0; attempt < 5; ++attempt) {
    std::string before = runtimeLocalTime();
    LogStamp stamp = localLogStamp();
    if (before != runtimeLocalTime()) continue;
    EXPECT_EQ(before, stamp.date + " " + stamp.time);
    return;
  }
  FAIL() << "the clock moved on during every attempt";
}

}  // namespace
}  // namespace vandrel
