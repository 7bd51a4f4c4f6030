#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ber/asn_ip_address.h"
#include "ber/asn_octet_string.h"
#include "ber/asn_oid.h"
#include "ber/asn_opaque.h"
#include "ber/ber_codec.h"
#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::decodeValue;
using test::encoded;
using test::hex;
using test::tlv;
using test::toHex;

TEST(AsnOidTest, DottedTextEncodesAndPrintsBack) {
  const struct {
    const char* dotted;
    const char* wire;
    const char* text;
  } cases[] = {
      {"1.3.6.1.4.1.1872.2.1.2.1.2.0", "06 0D 2B 06 01 04 01 8E 50 02 01 02 01 02 00",
       "1.3.6.1.4.1.1872.2.1.2.1.2.0"},
      {"1.3.6.1.2.1.1.3.0", "06 08 2B 06 01 02 01 01 03 00", "1.3.6.1.2.1.1.3.0"},
      {"1.3", "06 01 2B", "1.3"},
      {"1..3.6.", "06 02 2B 06", "1.3.6"},
      {".1.3.6", "06 02 2B 06", "1.3.6"},
      {"1.3.127.128.16383.16384", "06 09 2B 7F 81 00 FF 7F 81 80 00", "1.3.127.128.16383.16384"},
      {"1.3.268435456.4294967295", "06 0B 2B 81 80 80 80 00 8F FF FF FF 7F",
       "1.3.268435456.4294967295"},
      {"2.47.5", "06 02 7F 05", "2.47.5"},
      {"2.999.1", "06 03 88 37 01", "2.999.1"},
      {" +1. 3.x6", "06 02 2B 00", "1.3.0"},
      {"1.3.4294967296", "06 02 2B 00", "1.3.0"},  // arcs are kept modulo 2^32
      {"1.3.-1", "06 06 2B 8F FF FF FF 7F", "1.3.4294967295"},
      {"1", "06 01 28", "1.0"},  // a missing second arc reads as 0
      {"", "06 01 00", "0.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dotted);
    AsnOid oid(c.dotted);
    EXPECT_EQ(c.wire, toHex(encoded(oid)));
    EXPECT_EQ(c.text, oid.toText());
    EXPECT_STREQ("OID", oid.typeName());
  }
}

TEST(AsnOidTest, ReceivedContentPrints) {
  const struct {
    const char* wire;
    const char* text;
  } cases[] = {
      {"06 02 50 01", "2.0.1"},
      {"06 02 27 01", "0.39.1"},
      {"06 00", ""},
      {"06 03 2B 06 86", "1.3.6.6"},  // a last arc cut short shows the groups it has
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    auto oid = decodeValue<AsnOid>(hex(c.wire));
    EXPECT_EQ(c.text, oid->toText());
    EXPECT_EQ(c.wire, toHex(encoded(*oid)));
  }
}

TEST(AsnOidTest, TextBeyondTheWorkAreaGivesAnEmptyIdentifier) {
  std::string fits = "1.3";
  for (size_t i = 1; i < AsnOid::kMaxTextContent; ++i) fits += ".1";
  AsnOid largest(fits);
  EXPECT_EQ(AsnOid::kMaxTextContent, largest.contentLength());
  AsnOid tooLarge(fits + ".1");
  EXPECT_EQ(0, tooLarge.contentLength());
  EXPECT_EQ(2u, encoded(tooLarge).size());
  EXPECT_EQ(0u, AsnOid(fits + ".4294967295.1.1.1").contentLength());
}

TEST(AsnOctetStringTest, TextEncodesWithEitherLengthForm) {
  EXPECT_EQ("04 00", toHex(encoded(AsnOctetString(""))));
  EXPECT_EQ("04 00", toHex(AsnOctetString("").toBytes()));
  EXPECT_EQ("", AsnOctetString("").toText());

  const struct {
    size_t size;
    const char* header;
  } cases[] = {{126, "04 7E"},
               {127, "04 81 7F"},
               {255, "04 81 FF"},
               {256, "04 82 01 00"},
               {65535, "04 82 FF FF"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.size);
    std::string text(c.size, 'x');
    AsnOctetString value(text);
    Bytes wire = encoded(value);
    Bytes header = hex(c.header);
    EXPECT_EQ(toHex(header), toHex(Bytes(wire.begin(), wire.begin() + header.size())));
    EXPECT_EQ(header.size() + c.size, wire.size());
    EXPECT_EQ(text, value.toText());
  }
}

// Short content is kept inside the value and longer content on the heap: both sides of that
// boundary, and the empty content, must decode, print and encode again to the same octets.
TEST(AsnOctetStringTest, ContentOfAnySizeRoundTrips) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{31}, size_t{32}, size_t{33}, size_t{300}}) {
    SCOPED_TRACE(size);
    std::string text;
    for (size_t i = 0; i < size; ++i) text += static_cast<char>('a' + i % 26);
    Bytes wire = tlv(0x04, test::text(text));
    auto decoded = decodeValue<AsnOctetString>(wire);
    EXPECT_EQ(size, decoded->contentLength());
    EXPECT_EQ(text, decoded->toText());
    EXPECT_EQ(toHex(wire), toHex(encoded(*decoded)));
    EXPECT_EQ(toHex(wire), toHex(encoded(AsnOctetString(text))));
  }
}

TEST(AsnOctetStringTest, TextLongerThanAValueHoldsIsCut) {
  AsnOctetString value(std::string(70000, 'c'));
  EXPECT_EQ(65535, value.contentLength());
  EXPECT_EQ(65535u + 4, encoded(value).size());
}

TEST(AsnOctetStringTest, DecodesAndKeepsZeroOctets) {
  Bytes wire = hex("04 05 68 65 6C 6C 6F");
  BerReader in(wire.data(), wire.size());
  in.next();
  AsnOctetString hello(in);
  EXPECT_EQ(5, hello.contentLength());
  EXPECT_EQ("hello", hello.toText());
  EXPECT_TRUE(in.atEnd());

  auto withZero = decodeValue<AsnOctetString>(hex("04 03 61 00 62"));
  EXPECT_EQ(std::string("a\0b", 3), withZero->toText());
  EXPECT_STREQ("a", withZero->toText().c_str());
}

TEST(AsnIpAddressTest, DottedTextGivesFourOctets) {
  const struct {
    const char* dotted;
    const char* wire;
    const char* text;
  } cases[] = {
      {"10.1.2.3", "40 04 0A 01 02 03", "10.1.2.3"},
      {"300.1.2.3", "40 04 2C 01 02 03", "44.1.2.3"},
      {"192.0.2.1.7.8", "40 04 C0 00 02 01", "192.0.2.1"},  // parts past the fourth are ignored
      {"10.1", "40 04 0A 01 00 00", "10.1.0.0"},            // missing octets are 0
      {"", "40 04 00 00 00 00", "0.0.0.0"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dotted);
    AsnIpAddress address(c.dotted);
    EXPECT_EQ(c.wire, toHex(encoded(address)));
    EXPECT_EQ(c.text, address.toText());
    EXPECT_STREQ("IpAddress", address.typeName());
  }
}

TEST(AsnIpAddressTest, ReceivedAddressesOfAnyLengthPrint) {
  EXPECT_EQ("", decodeValue<AsnIpAddress>(hex("40 00"))->toText());
  EXPECT_EQ("1.2.255.4.5", decodeValue<AsnIpAddress>(hex("40 05 01 02 FF 04 05"))->toText());
}

TEST(AsnOpaqueTest, PrintsPrintableOctetsAndSpaces) {
  auto opaque = decodeValue<AsnOpaque>(hex("44 03 41 00 7F"));
  EXPECT_EQ("A  ", opaque->toText());
  EXPECT_EQ("44 03 41 00 7F", toHex(encoded(*opaque)));
  EXPECT_STREQ("Opaque", opaque->typeName());

  Bytes big = test::concat({hex("44 81 C8"), Bytes(200, 0x20)});
  EXPECT_EQ(203u, encoded(*decodeValue<AsnOpaque>(big)).size());
  Bytes edge = test::concat({hex("44 81 7F"), Bytes(127, 0x7E)});
  EXPECT_EQ(toHex(edge), toHex(encoded(*decodeValue<AsnOpaque>(edge))));
}

TEST(AsnOpaqueTest, AnyTagDecodesAsOpaqueWithTag44) {
  auto null = decodeValue<AsnOpaque>(hex("05 00"));
  EXPECT_EQ(0, null->contentLength());
  EXPECT_EQ(kTagOpaque, null->tag());
  EXPECT_EQ("44 00", toHex(encoded(*null)));
}

TEST(AsnByteStringTest, TextIsBuiltOnce) {
  AsnOid oid("1.3.6");
  AsnOctetString string("abc");
  AsnIpAddress address("1.2.3.4");
  auto opaque = decodeValue<AsnOpaque>(hex("44 01 41"));
  for (const AsnValue* value :
       {static_cast<const AsnValue*>(&oid), static_cast<const AsnValue*>(&string),
        static_cast<const AsnValue*>(&address), static_cast<const AsnValue*>(opaque.get())}) {
    EXPECT_EQ(&value->toText(), &value->toText());
  }
}

// Every proper prefix of a valid encoding fails the reader and leaves an empty value.
TEST(AsnByteStringTest, TruncatedEncodingsFailTheReader) {
  const char* wires[] = {"06 0D 2B 06 01 04 01 8E 50 02 01 02 01 02 00", "04 81 02 61 62",
                         "40 04 0A 01 02 03", "44 03 41 00 7F"};
  for (const char* wire : wires) {
    Bytes full = hex(wire);
    for (size_t n = 1; n < full.size(); ++n) {
      SCOPED_TRACE(testing::Message() << wire << " cut to " << n);
      Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
      BerReader in(prefix.data(), prefix.size());
      in.next();
      std::unique_ptr<AsnByteString> value;
      switch (full[0]) {
        case kTagOid:
          value = std::make_unique<AsnOid>(in);
          break;
        case kTagOctetString:
          value = std::make_unique<AsnOctetString>(in);
          break;
        case kTagIpAddress:
          value = std::make_unique<AsnIpAddress>(in);
          break;
        default:
          value = std::make_unique<AsnOpaque>(in);
          break;
      }
      EXPECT_FALSE(in.ok());
      EXPECT_EQ(0, value->contentLength());
      EXPECT_EQ(2u, encoded(*value).size());
    }
  }
}

}  // namespace
}  // namespace vandrel
