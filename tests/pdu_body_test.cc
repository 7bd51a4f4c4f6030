#include "snmp/pdu_body.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>

#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::encoded;
using test::hex;
using test::toHex;

TEST(StandardPduTest, NewBodyStartsWithTheTimeAndZeroErrors) {
  int32_t before = static_cast<int32_t>(std::time(nullptr));
  GetRequestPdu body;
  int32_t after = static_cast<int32_t>(std::time(nullptr));
  EXPECT_EQ(0xA0, body.pduTag());
  EXPECT_GE(body.requestId(), before);
  EXPECT_LE(body.requestId(), after);
  EXPECT_EQ(0, body.errorStatus());
  EXPECT_EQ(0, body.errorIndex());
  Bytes wire = encoded(body);
  EXPECT_EQ(12u, body.contentSize());
  EXPECT_EQ("02 04", toHex(Bytes(wire.begin(), wire.begin() + 2)));
  EXPECT_EQ("02 01 00 02 01 00", toHex(Bytes(wire.begin() + 6, wire.end())));
}

TEST(StandardPduTest, SettersChangeTheirFieldOnTheWire) {
  GetRequestPdu body;
  body.setRequestId(123);
  EXPECT_EQ("02 01 7B 02 01 00 02 01 00", toHex(encoded(body)));
  EXPECT_EQ(9u, body.contentSize());
  body.setErrorStatus(2);
  EXPECT_EQ(2, body.errorStatus());
  EXPECT_EQ("02 01 7B 02 01 02 02 01 00", toHex(encoded(body)));
  body.setErrorIndex(2);
  EXPECT_EQ(2, body.errorIndex());
  EXPECT_EQ("02 01 7B 02 01 02 02 01 02", toHex(encoded(body)));
  // Fields a standard body does not have stay 0 or null.
  body.setGenericTrap(3);
  body.setEnterprise("1.3.6");
  EXPECT_EQ(0, body.genericTrap());
  EXPECT_EQ(nullptr, body.enterprise());
  EXPECT_EQ(nullptr, body.agentAddress());
}

TEST(StandardPduTest, MakeResponseChangesOnlyTheTag) {
  GetRequestPdu body;
  body.setRequestId(7);
  body.makeResponse();
  EXPECT_EQ(0xA2, body.pduTag());
  EXPECT_EQ(7, body.requestId());
}

TEST(PduBodyTest, MakePduBodyKnowsTheSixTags) {
  for (uint32_t tag : {0xA0u, 0xA1u, 0xA2u, 0xA3u, 0xA4u, 0xA7u}) {
    std::unique_ptr<Pdu> body = makePduBody(tag);
    ASSERT_NE(nullptr, body) << tag;
    EXPECT_EQ(tag, body->pduTag());
  }
  for (uint32_t tag : {0x00u, 0x30u, 0xA5u, 0xA6u, 0xA8u, 0x1A3u}) {
    EXPECT_EQ(nullptr, makePduBody(tag)) << tag;
  }
}

TEST(TrapV2PduTest, AgentAddressIsAlwaysAllOnes) {
  TrapV2Pdu body;
  ASSERT_NE(nullptr, body.agentAddress());
  EXPECT_EQ("255.255.255.255", *body.agentAddress());
  body.setAgentAddress("10.0.0.1");
  EXPECT_EQ("255.255.255.255", *body.agentAddress());
  EXPECT_EQ(0, body.genericTrap());
}

TEST(TrapV1PduTest, NewBodyHasNoFields) {
  TrapV1Pdu body;
  EXPECT_EQ("", toHex(encoded(body)));
  EXPECT_EQ(0u, body.contentSize());
  EXPECT_EQ(0xA4, body.pduTag());
  EXPECT_EQ(nullptr, body.enterprise());
  EXPECT_EQ(nullptr, body.agentAddress());
  body.setRequestId(5);
  EXPECT_EQ(0, body.requestId());
  EXPECT_EQ(0u, body.contentSize());
}

TEST(TrapV1PduTest, FieldsEncodeInWireOrderAndDecodeBack) {
  TrapV1Pdu body;
  body.setTimeStamp(300);
  body.setGenericTrap(6);
  body.setSpecificTrap(1);
  body.setAgentAddress("192.0.2.1");
  body.setEnterprise("1.3.6.1.4.1.1872");
  const char* wire = "06 07 2B 06 01 04 01 8E 50 40 04 C0 00 02 01 02 01 06 02 01 01 43 02 01 2C";
  EXPECT_EQ(wire, toHex(encoded(body)));
  EXPECT_EQ(25u, body.contentSize());
  EXPECT_EQ("1.3.6.1.4.1.1872", *body.enterprise());
  EXPECT_EQ("192.0.2.1", *body.agentAddress());

  Bytes bytes = hex(wire);
  BerReader in(bytes.data(), bytes.size());
  TrapV1Pdu decoded;
  decoded.decodeBody(in);
  EXPECT_TRUE(in.ok() && in.atEnd());
  EXPECT_EQ(wire, toHex(encoded(decoded)));
  EXPECT_EQ(6, decoded.genericTrap());
  EXPECT_EQ(1, decoded.specificTrap());
  EXPECT_EQ(300u, decoded.timeStamp());
}

TEST(StandardPduTest, DecodeBodyReadsThreeIntegers) {
  const struct {
    const char* wire;
    int32_t requestId, errorStatus, errorIndex;
  } cases[] = {
      {"02 01 05 02 01 00 02 01 00", 5, 0, 0},
      {"02 01 7B 02 01 02 02 01 01", 123, 2, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    Bytes bytes = hex(c.wire);
    BerReader in(bytes.data(), bytes.size());
    ResponsePdu body;
    body.decodeBody(in);
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(9, in.pos - bytes.data());
    EXPECT_EQ(c.requestId, body.requestId());
    EXPECT_EQ(c.errorStatus, body.errorStatus());
    EXPECT_EQ(c.errorIndex, body.errorIndex());
  }
}

// With tags out of step, no field is decoded: each tag is read from the octet after the last.
TEST(StandardPduTest, DecodeBodyLeavesFieldsWhoseTagDoesNotMatch) {
  Bytes bytes = hex("04 01 05 30 00");
  BerReader in(bytes.data(), bytes.size());
  int32_t before = static_cast<int32_t>(std::time(nullptr));
  ResponsePdu body;
  body.decodeBody(in);
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(3, in.pos - bytes.data());
  EXPECT_GE(body.requestId(), before);
  EXPECT_EQ(0, body.errorStatus());
}

TEST(StandardPduTest, DecodeBodyNeverReadsPastTheData) {
  Bytes full = hex("02 01 7B 02 01 00 02 01 00");
  for (size_t n = 0; n < full.size(); ++n) {
    Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
    BerReader in(prefix.data(), prefix.size());
    ResponsePdu body;
    body.decodeBody(in);
    EXPECT_FALSE(in.ok()) << n;
  }
}

}  // namespace
}  // namespace vandrel
