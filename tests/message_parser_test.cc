#include "snmp/message_parser.h"

#include <gtest/gtest.h>

#include <ctime>
#include <memory>
#include <string>

#include "ber/ber_codec.h"
#include "snmp/pdu_body.h"
#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::concat;
using test::encoded;
using test::hex;
using test::tlv;
using test::toHex;

const Bytes kApplyBinding = tlv(0x30, hex("06 0D 2B 06 01 04 01 8E 50 02 01 02 01 02 00 02 01 02"));

// message builds 30 L, version 0, the community, then the PDU element.
Bytes message(const std::string& community, const Bytes& pdu) {
  return tlv(0x30, concat({hex("02 01 00"), tlv(0x04, test::text(community)), pdu}));
}

// reply is the switch's answer to the apply request.
Bytes reply(const std::string& community = "private", uint8_t errorStatus = 0,
            uint8_t requestId = 0x7B) {
  Bytes fields = {0x02, 0x01, requestId, 0x02, 0x01, errorStatus, 0x02, 0x01, 0x00};
  return message(community, tlv(0xA2, concat({fields, tlv(0x30, kApplyBinding)})));
}

std::unique_ptr<SnmpMessage> parse(const Bytes& datagram) {
  // An exact-size copy, so that AddressSanitizer sees any read past the datagram.
  Bytes exact(datagram);
  MessageParser parser(exact.data(), exact.size());
  return parser.release();
}

TEST(MessageParserTest, DecodesTheReplyToTheApplyRequest) {
  auto reply = parse(::vandrel::reply("private"));
  ASSERT_NE(nullptr, reply);
  EXPECT_EQ(0, reply->version());
  EXPECT_EQ("private", *reply->community());
  EXPECT_EQ(0xA2, reply->pduTag());
  EXPECT_NE(nullptr, dynamic_cast<ResponsePdu*>(reply->pdu()));
  EXPECT_EQ(123, reply->requestId());
  EXPECT_EQ(0, reply->errorStatus());
  EXPECT_EQ(0, reply->errorIndex());
  EXPECT_EQ(0u, reply->pduType());
  ASSERT_EQ(1, reply->varBindCount());
  EXPECT_EQ("1.3.6.1.4.1.1872.2.1.2.1.2.0", reply->varBindOid(1));
  EXPECT_STREQ("OID", reply->varBindAt(1)->oid()->typeName());
  EXPECT_EQ("Integer", reply->varBindType(1));
  EXPECT_EQ("2", reply->varBindValue(1));
}

TEST(MessageParserTest, ReencodingADecodedReplyGivesTheSameBytes) {
  for (const Bytes& datagram : {reply("private"), reply("", 2), reply(std::string(300, 'c'))}) {
    auto decoded = parse(datagram);
    ASSERT_NE(nullptr, decoded);
    EXPECT_EQ(toHex(datagram), toHex(encoded(*decoded)));
  }
}

TEST(MessageParserTest, EveryValueTypeAndBothTrapsRoundTrip) {
  Bytes values = concat({
      tlv(0x30, hex("06 01 2B 02 01 FF")),
      tlv(0x30, hex("06 01 2B 04 02 68 69")),
      tlv(0x30, hex("06 01 2B 06 02 2B 06")),
      tlv(0x30, hex("06 01 2B 40 04 0A 00 00 01")),
      tlv(0x30, hex("06 01 2B 41 05 00 FF FF FF FF")),
      tlv(0x30, hex("06 01 2B 42 01 07")),
      tlv(0x30, hex("06 01 2B 43 04 00 00 01 2C")),
      tlv(0x30, hex("06 01 2B 44 02 41 42")),
      tlv(0x30, hex("06 01 2B 46 09 00 FF FF FF FF FF FF FF FF")),
  });
  Bytes trapV1 = message("public", tlv(0xA4, concat({hex("06 07 2B 06 01 04 01 8E 50"
                                                         "40 04 C0 00 02 01 02 01 06 02 01 01"
                                                         "43 02 01 2C"),
                                                     tlv(0x30, values)})));
  auto trap = parse(trapV1);
  ASSERT_NE(nullptr, trap);
  EXPECT_EQ(toHex(trapV1), toHex(encoded(*trap)));
  EXPECT_EQ("1.3.6.1.4.1.1872", *trap->enterprise());
  EXPECT_EQ("192.0.2.1", *trap->agentAddress());
  EXPECT_EQ(6, trap->genericTrap());
  EXPECT_EQ(1, trap->specificTrap());
  EXPECT_EQ(300u, trap->timeStamp());
  ASSERT_EQ(9, trap->varBindCount());
  const char* types[] = {"Integer", "String",   "OID",    "IpAddress", "Counter",
                         "Gauge",   "TimeTick", "Opaque", "Counter64"};
  const char* texts[] = {
      "-1", "hi", "1.3.6", "10.0.0.1", "4294967295", "7", "300", "AB", "18446744073709551615"};
  for (int32_t n = 1; n <= 9; ++n) {
    SCOPED_TRACE(n);
    EXPECT_EQ(types[n - 1], trap->varBindType(n));
    EXPECT_EQ(texts[n - 1], trap->varBindValue(n));
  }

  Bytes trapV2 =
      message("public", tlv(0xA7, concat({hex("02 01 01 02 01 00 02 01 00"), tlv(0x30, values)})));
  auto v2 = parse(trapV2);
  ASSERT_NE(nullptr, v2);
  EXPECT_EQ(toHex(trapV2), toHex(encoded(*v2)));
  EXPECT_EQ("255.255.255.255", *v2->agentAddress());
}

// Datagrams captured from a real agent (Net-SNMP's snmpd and snmptrap) decode to what they say
// and encode again to the very same bytes, but for an element of a tag without a class of its
// own, which is kept as an Opaque (tag 44).
TEST(MessageParserTest, CapturedDatagramsDecodeAndEncodeAgainUnchanged) {
  const struct {
    const char* why;
    const char* wire;
    int32_t requestId, errorStatus, errorIndex;
    int32_t lastBinding;
    const char* lastType;
    const char* lastValue;
    bool sameBytes = true;
  } cases[] = {
      {"the reply to the apply request",
       "302d020100040770726976617465a21f02017b02010002010030143012060d2b060104018e50020102010200020"
       "1"
       "02",
       123, 0, 0, 1, "Integer", "2"},
      {"the reply to the apply request with a read-only community",
       "302c02010004067075626c6963a21f02017b02010202010130143012060d2b060104018e5002010201020002010"
       "2",
       123, 2, 1, 1, "Integer", "2"},
      {"an SNMPv2c reply with a Counter64",
       "303b02010104067075626c6963a22e02010702010002010030233011060b2b060102011f0101010601460200a43"
       "0"
       "0e06082b06010201010300430200d1",
       7, 0, 0, 2, "TimeTick", "209"},
      {"an SNMPv2c reply with noSuchObject, an element of its own tag",
       "302802010104067075626c6963a21b0201070201000201003010300e060a2b06010401868d1f01008000", 7, 0,
       0, 1, "Opaque", "", false},
      {"an SNMPv1 trap",
       "304e02010004067075626c6963a44106072b060104018e504004c00002010201060201114302012c3026300f060"
       "8"
       "2b0601020101050004037377313013060a2b060102010202010a01410500ffffffff",
       0, 0, 0, 2, "Counter", "4294967295"},
      {"an SNMPv2c trap",
       "306c02010104067075626c6963a75f02043fdd73ff0201000201003051300e06082b060102010103004302012c3"
       "0"
       "17060a2b06010603010104010006092b0601060301010503300f060a2b0601020102020101010201013015060d2"
       "b"
       "06010201041401017f00000140047f000001",
       0x3fdd73ff, 0, 0, 4, "IpAddress", "127.0.0.1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Bytes datagram = hex(c.wire);
    auto decoded = parse(datagram);
    ASSERT_NE(nullptr, decoded);
    EXPECT_EQ(c.requestId, decoded->requestId());
    EXPECT_EQ(c.errorStatus, decoded->errorStatus());
    EXPECT_EQ(c.errorIndex, decoded->errorIndex());
    EXPECT_EQ(c.lastBinding, decoded->varBindCount());
    EXPECT_EQ(c.lastType, decoded->varBindType(c.lastBinding));
    EXPECT_EQ(c.lastValue, decoded->varBindValue(c.lastBinding));
    if (!c.sameBytes) datagram[datagram.size() - 2] = kTagOpaque;
    EXPECT_EQ(toHex(datagram), toHex(encoded(*decoded)));
  }
}

// The decoder is lenient where the format allows it; each row shows one leniency.
TEST(MessageParserTest, LenientWalk) {
  struct Case {
    const char* why;
    Bytes datagram;
    int bindings;
    int32_t requestId;
    uint8_t pduTag;
  };
  Bytes good = reply();
  Bytes otherFirstByte = good;
  otherFirstByte[0] = 0x31;
  Bytes pduA5 = message(
      "private", tlv(0xA5, concat({hex("02 01 7B 02 01 00 02 01 00"), tlv(0x30, kApplyBinding)})));
  const Case cases[] = {
      {"the message tag is not compared", otherFirstByte, 1, 123, 0xA2},
      {"a value of NULL becomes an Opaque and the binding is kept",
       message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00"),
                                      tlv(0x30, tlv(0x30, hex("06 01 2B 05 00")))}))),
       1, 123, 0xA2},
      {"three elements: the odd name is discarded",
       message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00"),
                                      tlv(0x30, hex("30 05 06 01 2B 02 01 02 30 03 06 01 2B"))}))),
       1, 123, 0xA2},
      {"an empty binding list", message("p", tlv(0xA2, hex("02 01 7B 02 01 00 02 01 00 30 00"))), 0,
       123, 0xA2},
      {"a PDU tag outside the six: no body, the rest read as a list", pduA5, 0, 0, 0xFF},
      {"PDU and binding lengths are not used",
       message("p",
               concat({hex("A2 7F 02 01 7B 02 01 00 02 01 00 30 08 30 7F 06 01 2B 02 01 05")})),
       1, 123, 0xA2},
      {"more than four length octets keep the low four",
       concat({hex("30 85 00 00 00 00"),
               {static_cast<uint8_t>(good.size() - 6)},
               Bytes(good.begin() + 2, good.end())}),
       1, 123, 0xA2},
      {"a request-id of zero content octets reads as 0",
       message("p", tlv(0xA2, concat({hex("02 00 02 01 00 02 01 00"), tlv(0x30, kApplyBinding)}))),
       1, 0, 0xA2},
      {"a request-id of nine content octets keeps the last four",
       message("p", tlv(0xA2, concat({hex("02 09 00 00 00 00 00 00 00 00 7B 02 01 00 02 01 00"),
                                      tlv(0x30, kApplyBinding)}))),
       1, 123, 0xA2},
      {"an OID whose last sub-identifier runs to its end",
       message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00"),
                                      tlv(0x30, tlv(0x30, hex("06 02 2B 86 05 00")))}))),
       1, 123, 0xA2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    auto decoded = parse(c.datagram);
    ASSERT_NE(nullptr, decoded);
    EXPECT_EQ(c.bindings, decoded->varBindCount());
    EXPECT_EQ(c.requestId, decoded->requestId());
    EXPECT_EQ(c.pduTag, decoded->pduTag());
  }
}

// A received PDU's field whose tag does not match keeps the value a new body starts with: the
// request-id the current time, error-status and error-index 0.
TEST(MessageParserTest, FieldsMissingFromAReceivedPduKeepTheirInitialValues) {
  int32_t before = static_cast<int32_t>(std::time(nullptr));
  auto decoded =
      parse(message("p", tlv(0xA2, concat({hex("04 01 05"), tlv(0x30, kApplyBinding)}))));
  int32_t after = static_cast<int32_t>(std::time(nullptr));
  ASSERT_NE(nullptr, decoded);
  EXPECT_GE(decoded->requestId(), before);
  EXPECT_LE(decoded->requestId(), after);
  EXPECT_EQ(0, decoded->errorStatus());
  EXPECT_EQ(0, decoded->errorIndex());
  // Two INTEGERs, then a lone octet of another tag: the third field keeps its 0.
  decoded = parse(message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 02 05"), tlv(0x30, {})}))));
  ASSERT_NE(nullptr, decoded);
  EXPECT_EQ(123, decoded->requestId());
  EXPECT_EQ(2, decoded->errorStatus());
  EXPECT_EQ(0, decoded->errorIndex());
}

TEST(MessageParserTest, NameWithAnotherTagIsKeptAsItsClass) {
  auto decoded =
      parse(message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00"),
                                           tlv(0x30, tlv(0x30, hex("04 01 61 02 01 01")))}))));
  ASSERT_NE(nullptr, decoded);
  EXPECT_STREQ("String", decoded->varBindAt(1)->oid()->typeName());
  EXPECT_EQ("a", decoded->varBindOid(1));
}

// Without the version INTEGER every later tag is read one element out of step: the community's
// length octet is read as its tag and its first character as the PDU tag.
TEST(MessageParserTest, MissingVersionPutsTheWalkOutOfStep) {
  // After "publ" the list length is 'l' (108); the elements that follow fill exactly 108 bytes.
  Bytes datagram = tlv(0x30, concat({hex("04 06"), test::text("public"), hex("04 66"),
                                     Bytes(102, 0x41), hex("05 00")}));
  auto decoded = parse(datagram);
  ASSERT_NE(nullptr, decoded);
  EXPECT_THROW(decoded->version(), MissingVersion);
  EXPECT_EQ("tessel", *decoded->community());
  EXPECT_EQ(nullptr, decoded->pdu());
  EXPECT_EQ(0xFF, decoded->pduTag());
  ASSERT_EQ(1, decoded->varBindCount());
  EXPECT_EQ("String", std::string(decoded->varBindAt(1)->oid()->typeName()));
}

TEST(MessageParserTest, DeclaredLengthIsComparedWithTheWholeDatagram) {
  Bytes good = reply();
  Bytes tooLong = good;
  tooLong[1] = static_cast<uint8_t>(good.size() + 1 - 2 + 2);  // one more than the datagram
  EXPECT_EQ(nullptr, parse(tooLong));
  // Equal to the whole datagram passes the check; the walk itself stays inside.
  Bytes equal = good;
  equal[1] = static_cast<uint8_t>(good.size());
  EXPECT_NE(nullptr, parse(equal));
}

// Every class of malformed datagram gives no message, without reading outside the datagram.
TEST(MessageParserTest, MalformedDatagramsGiveNoMessage) {
  Bytes good = reply();
  Bytes body = Bytes(good.begin() + 2, good.end());
  struct Case {
    const char* why;
    Bytes datagram;
  };
  const Case cases[] = {
      {"empty datagram", {}},
      {"only the message tag", hex("30")},
      {"declared length 84 FF FF FF FF", concat({hex("30 84 FF FF FF FF"), body})},
      {"indefinite message length", concat({hex("30 80"), body})},
      {"indefinite value length", message("p", hex("A2 0B 02 80 7B 02 01 00 02 01 00 30 00"))},
      {"message length octets run past the end", hex("30 84 00 00")},
      {"version tag octets all carry the top bit", hex("30 05 9F FF FF FF FF")},
      {"community longer than the datagram", hex("30 06 02 01 00 04 7F 61")},
      {"value length above 65535", message("p", hex("A2 0B 02 83 01 00 00 02 01 00 30 00"))},
      {"request-id content runs past the end", hex("30 0B 02 01 00 04 01 70 A2 04 02 05 01")},
      {"binding list longer than the datagram",
       message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00 30 7F"), kApplyBinding})))},
      {"binding list with a long-form length beyond the datagram",
       message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00 30 84 FF FF FF FF"),
                                      kApplyBinding})))},
      {"value longer than what is left",
       message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00"),
                                      tlv(0x30, hex("30 05 06 01 2B 04 7F 61"))})))},
      {"binding header cut off after its tag",
       message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00"), hex("30 01 30")})))},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.why);
    EXPECT_EQ(nullptr, parse(c.datagram));
  }
}

TEST(MessageParserTest, EveryProperPrefixOfAReplyGivesNoMessage) {
  for (const Bytes& full : {reply(), reply(std::string(200, 'c'))}) {
    for (size_t n = 0; n < full.size(); ++n) {
      Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
      EXPECT_EQ(nullptr, parse(prefix)) << "prefix of " << n << " bytes";
    }
  }
}

TEST(MessageParserTest, ThousandsOfEmptyBindingsDecode) {
  Bytes bindings;
  for (int i = 0; i < 3000; ++i) {
    Bytes empty = hex("30 04 05 00 05 00");
    bindings.insert(bindings.end(), empty.begin(), empty.end());
  }
  Bytes datagram =
      message("p", tlv(0xA2, concat({hex("02 01 7B 02 01 00 02 01 00"), tlv(0x30, bindings)})));
  auto decoded = parse(datagram);
  ASSERT_NE(nullptr, decoded);
  EXPECT_EQ(3000, decoded->varBindCount());
  EXPECT_EQ("Opaque", decoded->varBindType(3000));
}

TEST(MessageParserTest, ReleaseHandsTheMessageOver) {
  Bytes datagram = reply();
  std::unique_ptr<SnmpMessage> kept;
  {
    MessageParser parser(datagram.data(), datagram.size());
    kept = parser.release();
    EXPECT_EQ(nullptr, parser.release());
  }
  ASSERT_NE(nullptr, kept);
  EXPECT_EQ(123, kept->requestId());
  // A parser that is never released frees its message (the leak checkers see to it).
  MessageParser unreleased(datagram.data(), datagram.size());
}

}  // namespace
}  // namespace vandrel
