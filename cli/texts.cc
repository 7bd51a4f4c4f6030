#include "cli/texts.h"

#include "cli/version.h"

namespace vandrel {

std::string bannerText() {
  return std::string("\n  ") + kProgramName + " version " + kProgramVersion +
         "\n  Copyright (c) 2026 The Vandrel developers\n\n";
}

std::string usageText(std::string_view programName) {
  return bannerText() +
         "  A program to use SNMP to instruct an Alteon switch to apply changes.\n"
         "\n  Usage:\t" +
         upperAscii(programName) +
         " ipAddress community [-l]\n\n"
         "  Arguments:\tipAddress = IP address of switch (or DNS name)\n"
         "\t\tcommunity = SNMP read/write community name on switch\n"
         "\t\t[-l] = Output success/failure information in logfile format\n";
}

std::string announcementText(const CommandLine& line) {
  return bannerText() + "  Applying changes\n\n" + "  Agent:\t" + line.agent + "\n" +
         "  Community:\t" + line.community + "\n";
}

std::string outcomeText(Outcome outcome, const CommandLine& line, const LogStamp& stamp) {
  bool applied = outcome == Outcome::kApplied;
  bool snmpError = outcome == Outcome::kSnmpError;
  if (line.mode == Mode::kHuman) {
    if (applied) return "Configuration changes applied\n";
    if (snmpError) return "ERROR: Community string or SNMP error\n";
    return "ERROR: Error communicating with the agent\n";
  }
  std::string prefix = stamp.date + " " + stamp.time + " Switch " + line.agent;
  if (applied) return prefix + " changes applied\n";
  if (snmpError) return prefix + " community string or SNMP error\n";
  return prefix + " error communicating with the agent Vandrel\n";
}

int exitStatus(Outcome outcome) { return outcome == Outcome::kApplied ? 0 : 1; }

}  // namespace vandrel
