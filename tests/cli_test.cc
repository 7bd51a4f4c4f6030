#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/apply_request.h"
#include "cli/texts.h"
#include "cli/vandrel.h"
#include "snmp/message_parser.h"
#include "snmp/pdu_body.h"
#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::encoded;
using test::hex;
using test::toHex;

class StringConsole : public Console {
 public:
  void write(std::string_view text) override { text_ += text; }
  void flush() override { flushedAt_.push_back(text_.size()); }
  std::string text_;
  std::vector<size_t> flushedAt_;
};

const std::string kBanner =
    "\n  Vandrel version 1.2\n  Copyright (c) 2026 The Vandrel developers\n\n";

// A ToolRun is one run of the tool with a scripted exchange and a fixed clock.
struct ToolRun {
  std::string output;
  int status = -1;
  int exchanges = 0;
  CommandLine seen;
};

ToolRun run(std::vector<const char*> argv, Outcome outcome = Outcome::kApplied) {
  ToolRun result;
  StringConsole console;
  auto exchange = [&](const CommandLine& line, Console& out) {
    ++result.exchanges;
    result.seen = line;
    if (line.mode == Mode::kHuman) out.write(kProgressText);
    return outcome;
  };
  auto clock = [] { return LogStamp{"2026/12/11", "09:05:00"}; };
  result.status = runVandrel(argv, console, exchange, clock);
  result.output = console.text_;
  return result;
}

std::string usage(const std::string& shownName) {
  return kBanner +
         "  A program to use SNMP to instruct an Alteon switch to apply changes.\n"
         "\n  Usage:\t" +
         shownName +
         " ipAddress community [-l]\n\n"
         "  Arguments:\tipAddress = IP address of switch (or DNS name)\n"
         "\t\tcommunity = SNMP read/write community name on switch\n"
         "\t\t[-l] = Output success/failure information in logfile format\n";
}

TEST(CommandLineTest, WrongFormsGiveTheUsageTextAndStatusOne) {
  const std::vector<std::vector<const char*>> wrong = {
      {"vandrel"},
      {"vandrel", "10.0.0.1"},
      {"vandrel", "10.0.0.1", "private", "-x"},
      {"vandrel", "10.0.0.1", "private", "-l", "extra"},
      {"vandrel", "10.0.0.1", "private", "l"},
  };
  for (const auto& argv : wrong) {
    SCOPED_TRACE(argv.size());
    ToolRun r = run(argv);
    EXPECT_EQ(usage("VANDREL"), r.output);
    EXPECT_EQ(1, r.status);
    EXPECT_EQ(0, r.exchanges);  // nothing else starts
  }
  EXPECT_EQ(usage(""), run({}).output);
}

TEST(CommandLineTest, UsageShowsTheInvokedNameInUpperCase) {
  EXPECT_EQ(usage("/USR/LOCAL/BIN/VANDREL-1.2_X"), run({"/usr/local/bin/Vandrel-1.2_x"}).output);
}

TEST(CommandLineTest, ModesByArgumentForm) {
  ToolRun human = run({"vandrel", "10.0.0.1", "-l"});
  EXPECT_EQ(Mode::kHuman, human.seen.mode);
  EXPECT_EQ("-l", human.seen.community);
  EXPECT_EQ(Mode::kLog, run({"vandrel", "10.0.0.1", "private", "-l"}).seen.mode);
  EXPECT_EQ(Mode::kLog, run({"vandrel", "10.0.0.1", "private", "-L"}).seen.mode);
}

TEST(CommandLineTest, LongArgumentsAreKeptWhole) {
  std::string agent = "switch-in-the-far-corner-of-the-building.example.net";
  std::string community(40, 'k');
  ToolRun r = run({"vandrel", agent.c_str(), community.c_str()});
  EXPECT_EQ(agent, r.seen.agent);
  EXPECT_EQ(community, r.seen.community);
  EXPECT_NE(std::string::npos, r.output.find("  Agent:\t" + agent + "\n"));
}

TEST(ReportTest, HumanModeTextsAndStatuses) {
  const std::string announcement = kBanner +
                                   "  Applying changes\n\n  Agent:\t10.0.0.1\n"
                                   "  Community:\tprivate\n\n  Sending request...";
  const struct {
    Outcome outcome;
    const char* text;
    int status;
  } cases[] = {
      {Outcome::kApplied, "Configuration changes applied\n", 0},
      {Outcome::kSnmpError, "ERROR: Community string or SNMP error\n", 1},
      {Outcome::kNoReply, "ERROR: Error communicating with the agent\n", 1},
      // A reply to another request did not answer ours: reported as no reply.
      {Outcome::kOtherRequest, "ERROR: Error communicating with the agent\n", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    ToolRun r = run({"vandrel", "10.0.0.1", "private"}, c.outcome);
    EXPECT_EQ(announcement + c.text, r.output);
    EXPECT_EQ(c.status, r.status);
  }
}

TEST(ReportTest, LogModePrintsOneStampedLine) {
  const struct {
    Outcome outcome;
    const char* line;
    int status;
  } cases[] = {
      {Outcome::kApplied, "2026/12/11 09:05:00 Switch sw1 changes applied\n", 0},
      {Outcome::kSnmpError, "2026/12/11 09:05:00 Switch sw1 community string or SNMP error\n", 1},
      {Outcome::kNoReply,
       "2026/12/11 09:05:00 Switch sw1 error communicating with the agent Vandrel\n", 1},
      {Outcome::kOtherRequest,
       "2026/12/11 09:05:00 Switch sw1 error communicating with the agent Vandrel\n", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    ToolRun r = run({"vandrel", "sw1", "private", "-l"}, c.outcome);
    EXPECT_EQ(c.line, r.output);
    EXPECT_EQ(c.status, r.status);
  }
}

TEST(ApplyRequestTest, RequestBytesForSeveralCommunities) {
  EXPECT_EQ(
      "30 2F 02 01 00 04 09 63 6F 6D 6D 75 6E 69 74 79 A3 1F 02 01 7B 02 01 00 02 01 00 30 "
      "14 30 12 06 0D 2B 06 01 04 01 8E 50 02 01 02 01 02 00 02 01 02",
      toHex(encoded(*buildApplyRequest("community"))));
  for (size_t n : {0, 29, 30, 88, 89, 200, 1000}) {
    SCOPED_TRACE(n);
    std::string community(n, 'q');
    Bytes wire = encoded(*buildApplyRequest(community));
    Bytes pdu =
        hex("A3 1F 02 01 7B 02 01 00 02 01 00 30 14 30 12 06 0D 2B 06 01 04 01 8E 50 02 01 "
            "02 01 02 00 02 01 02");
    Bytes expected = test::tlv(
        0x30, test::concat({hex("02 01 00"), test::tlv(0x04, test::text(community)), pdu}));
    EXPECT_EQ(toHex(expected), toHex(wire));
  }
}

TEST(ApplyRequestTest, JudgeReply) {
  auto reply = [](int32_t requestId, int32_t errorStatus) {
    auto message = std::make_unique<SnmpMessage>(kTagResponse, 0);
    message->setRequestId(requestId);
    message->setErrorStatus(errorStatus);
    return message;
  };
  EXPECT_EQ(Outcome::kApplied, judgeReply(reply(123, 0).get()));
  EXPECT_EQ(Outcome::kSnmpError, judgeReply(reply(123, 2).get()));
  EXPECT_EQ(Outcome::kSnmpError, judgeReply(reply(123, -5).get()));
  EXPECT_EQ(Outcome::kOtherRequest, judgeReply(reply(124, 0).get()));
  SnmpMessage bodiless(0xA5, 0);
  EXPECT_EQ(Outcome::kOtherRequest, judgeReply(&bodiless));
  EXPECT_EQ(Outcome::kNoReply, judgeReply(nullptr));
}

}  // namespace
}  // namespace vandrel
