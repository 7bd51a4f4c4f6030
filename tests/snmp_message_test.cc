#include "snmp/snmp_message.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ber/asn_number.h"
#include "ber/asn_oid.h"
#include "snmp/pdu_body.h"
#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::encoded;
using test::hex;
using test::toHex;

constexpr const char* kApplyOid = "1.3.6.1.4.1.1872.2.1.2.1.2.0";

std::unique_ptr<VarBind> binding(const char* oid, int32_t value) {
  return std::make_unique<VarBind>(std::make_unique<AsnOid>(oid),
                                   std::make_unique<AsnInteger>(value));
}

std::unique_ptr<SnmpMessage> applyRequest(const std::string& community) {
  auto request = std::make_unique<SnmpMessage>(0xA3, 0);
  request->setCommunity(community);
  request->setRequestId(123);
  request->addVarBind(binding(kApplyOid, 2));
  return request;
}

// The bytes of the apply request written out independently of the library.
Bytes expectedApplyRequest(const std::string& community) {
  Bytes binding = test::tlv(0x30, hex("06 0D 2B 06 01 04 01 8E 50 02 01 02 01 02 00 02 01 02"));
  Bytes pdu =
      test::tlv(0xA3, test::concat({hex("02 01 7B 02 01 00 02 01 00"), test::tlv(0x30, binding)}));
  return test::tlv(0x30,
                   test::concat({hex("02 01 00"), test::tlv(0x04, test::text(community)), pdu}));
}

TEST(SnmpMessageTest, ApplyRequestEncodesAsTheWorkedExample) {
  for (size_t n : {0, 9, 29, 88}) {
    SCOPED_TRACE(n);
    std::string community(n, 'c');
    auto request = applyRequest(community);
    Bytes wire = encoded(*request);
    EXPECT_EQ(40 + n, wire.size());
    EXPECT_EQ(40 + n, request->encodedSize());
    Bytes head = test::concat(
        {{0x30, static_cast<uint8_t>(0x26 + n)}, hex("02 01 00"), {0x04, static_cast<uint8_t>(n)}});
    EXPECT_EQ(toHex(head), toHex(Bytes(wire.begin(), wire.begin() + 7)));
    EXPECT_EQ(
        "A3 1F 02 01 7B 02 01 00 02 01 00 30 14 30 12 06 0D 2B 06 01 04 01 8E 50 02 01 "
        "02 01 02 00 02 01 02",
        toHex(Bytes(wire.begin() + 7 + static_cast<std::ptrdiff_t>(n), wire.end())));
  }
  Bytes nine = encoded(*applyRequest("community"));
  EXPECT_EQ(49u, nine.size());
  EXPECT_EQ("30 2F 02 01 00 04 09", toHex(Bytes(nine.begin(), nine.begin() + 7)));
}

// Long communities push the message and its length octets across every form boundary.
TEST(SnmpMessageTest, SizesAgreeWithOctetsWrittenForLongCommunities) {
  for (size_t n = 80; n < 300; ++n) {
    SCOPED_TRACE(n);
    std::string community(n, 'c');
    EXPECT_EQ(toHex(expectedApplyRequest(community)), toHex(encoded(*applyRequest(community))));
  }
  for (size_t n : {65000u, 65535u}) {
    std::string community(n, 'c');
    EXPECT_EQ(expectedApplyRequest(community), encoded(*applyRequest(community)));
  }
  // S = 127 takes the long form 81 7F.
  Bytes wire = encoded(*applyRequest(std::string(89, 'c')));
  EXPECT_EQ("30 81 7F", toHex(Bytes(wire.begin(), wire.begin() + 3)));
}

TEST(SnmpMessageTest, PduElementTakesTheLongFormFrom127) {
  SnmpMessage request(0xA3, 0);
  request.setRequestId(123);
  // P = 9, one binding of encoded size 116 makes V = 118 and P + V = 127.
  request.addVarBind(std::make_unique<VarBind>(
      std::make_unique<AsnOid>("1.3"), std::make_unique<AsnOctetString>(std::string(109, 'v'))));
  Bytes wire = encoded(request);
  size_t pduAt = 3 + 3 + 8;  // after 30 81 xx, the version and the default community
  EXPECT_EQ("A3 81 7F", toHex(Bytes(wire.begin() + pduAt, wire.begin() + pduAt + 3)));
}

TEST(SnmpMessageTest, UnknownTypeGivesNoBody) {
  SnmpMessage message(0xA5, 0);
  EXPECT_EQ("30 0B 02 01 00 04 06 74 65 73 73 65 6C", toHex(encoded(message)));
  EXPECT_EQ(13u, message.encodedSize());
  EXPECT_EQ(0xFF, message.pduTag());
  EXPECT_EQ(0, message.requestId());
  message.setRequestId(7);
  EXPECT_EQ(0, message.requestId());
  EXPECT_EQ(13u, message.encodedSize());
  EXPECT_EQ(nullptr, message.agentAddress());
}

TEST(SnmpMessageTest, DecodingConstructorStartsEmpty) {
  SnmpMessage message;
  ASSERT_NE(nullptr, message.community());
  EXPECT_EQ("tessel", *message.community());
  EXPECT_EQ(0, message.varBindCount());
  EXPECT_EQ(0xFF, message.pduTag());
  EXPECT_EQ(0u, message.pduType());
  try {
    message.version();
    ADD_FAILURE() << "version() of a message without one must throw";
  } catch (const MissingVersion& e) {
    EXPECT_EQ(0, e.value());
  }
}

TEST(SnmpMessageTest, TrapV1MessageCarriesOnlyTheBindingList) {
  SnmpMessage trap(0xA4, 0);
  EXPECT_EQ(0, trap.requestId());
  EXPECT_EQ("30 0F 02 01 00 04 06 74 65 73 73 65 6C A4 02 30 00", toHex(encoded(trap)));
  trap.setGenericTrap(6);
  EXPECT_EQ(6, trap.genericTrap());
}

TEST(SnmpMessageTest, BindingsByPosition) {
  SnmpMessage message(0xA2, 0);
  message.addVarBind(binding("1.3.6.1", 10));
  message.addVarBind(std::make_unique<VarBind>(std::make_unique<AsnOid>("1.3.6.2"),
                                               std::make_unique<AsnOctetString>("up")));
  EXPECT_EQ(2, message.varBindCount());
  EXPECT_EQ("1.3.6.1", message.varBindOid(1));
  EXPECT_EQ("Integer", message.varBindType(1));
  EXPECT_EQ("10", message.varBindValue(1));
  EXPECT_EQ("1.3.6.2", message.varBindOid(2));
  EXPECT_EQ("String", message.varBindType(2));
  EXPECT_EQ("up", message.varBindValue(2));
  for (int32_t n : {0, 3, -1}) {
    EXPECT_EQ("NULL", message.varBindOid(n));
    EXPECT_EQ("NULL", message.varBindType(n));
    EXPECT_EQ("NULL", message.varBindValue(n));
  }
  EXPECT_EQ(nullptr, message.varBindAt(-1));
  // A binding that lacks a member reads as "NULL" for that member.
  message.addVarBind(std::make_unique<VarBind>());
  EXPECT_EQ("NULL", message.varBindOid(3));
  EXPECT_EQ("NULL", message.varBindValue(3));
}

TEST(SnmpMessageTest, SetTypeReplacesTheBodyOnlyForKnownTags) {
  SnmpMessage message(0xA3, 0);
  message.setType(0xA1);
  EXPECT_EQ(0xA1, message.pduTag());
  Bytes wire = encoded(message);
  EXPECT_EQ(0xA1, wire[13]);
  message.setRequestId(9);
  message.setType(0xA6);
  EXPECT_EQ(0xA6u, message.pduType());
  EXPECT_EQ(0xA1, message.pduTag());
  EXPECT_EQ(9, message.requestId());
}

std::string bindingTexts(const SnmpMessage& message) {
  std::string out;
  for (int32_t n = 1; n <= message.varBindCount(); ++n) {
    out += std::string(message.varBindOid(n)) + "=" + std::string(message.varBindType(n)) + ":" +
           std::string(message.varBindValue(n)) + "\n";
  }
  return out;
}

TEST(SnmpMessageTest, ConvertTrapPutsTwoBindingsInFront) {
  const struct {
    int32_t genericTrap, specificTrap;
    const char* trapOid;
  } cases[] = {
      {0, 0, "1.3.6.1.6.3.1.1.5.1"},  {5, 0, "1.3.6.1.6.3.1.1.5.6"},
      {6, 3, "1.3.6.1.4.1.1872.0.3"}, {-1, 3, "1.3.6.1.4.1.1872.0.3"},
      {7, 3, "1.3.6.1.4.1.1872.0.3"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.genericTrap);
    SnmpMessage trap(0xA7, 1);
    trap.addVarBind(binding("1.3.6.1.1", 1));
    trap.addVarBind(binding("1.3.6.1.2", 2));
    trap.convertTrap(500, "1.3.6.1.4.1.1872", c.genericTrap, c.specificTrap);
    EXPECT_EQ(std::string("1.3.6.1.2.1.1.3.0=TimeTick:500\n1.3.6.1.6.3.1.1.4.1.0=OID:") +
                  c.trapOid + "\n1.3.6.1.1=Integer:1\n1.3.6.1.2=Integer:2\n",
              bindingTexts(trap));
  }
  SnmpMessage empty(0xA7, 1);
  empty.convertTrap(500, "1.3.6.1.4.1.1872", 0, 0);
  EXPECT_EQ(2, empty.varBindCount());
}

TEST(SnmpMessageTest, ConvertTrapLeavesOtherMessagesAlone) {
  SnmpMessage request(0xA3, 0);
  request.addVarBind(binding("1.3.6.1.1", 1));
  request.convertTrap(500, "1.3.6.1.4.1.1872", 0, 0);
  EXPECT_EQ(1, request.varBindCount());

  SnmpMessage decoded;  // pduType 0, as the decoder leaves it
  decoded.setPdu(std::make_unique<TrapV2Pdu>());
  decoded.convertTrap(500, "1.3.6.1.4.1.1872", 0, 0);
  EXPECT_EQ(0, decoded.varBindCount());

  // An enterprise-specific trap without an enterprise has no identifier to carry.
  SnmpMessage trap(0xA7, 1);
  trap.convertTrap(500, "", 6, 3);
  EXPECT_EQ(0, trap.varBindCount());
}

}  // namespace
}  // namespace vandrel
