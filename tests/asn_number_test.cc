#include "ber/asn_number.h"

#include <gtest/gtest.h>

#include <memory>

#include "ber/asn_counter64.h"
#include "ber/ber_codec.h"
#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::decodeValue;
using test::encoded;
using test::hex;
using test::toHex;

TEST(AsnIntegerTest, SetValueChoosesTheMinimalTwosComplementLength) {
  const struct {
    int32_t v;
    const char* content;
  } cases[] = {
      {0, "00"},
      {2, "02"},
      {123, "7B"},
      {127, "7F"},
      {128, "00 80"},
      {255, "00 FF"},
      {256, "01 00"},
      {32767, "7F FF"},
      {32768, "00 80 00"},
      {8388607, "7F FF FF"},
      {8388608, "00 80 00 00"},
      {2147483647, "7F FF FF FF"},
      {-1, "FF"},
      {-128, "80"},
      {-129, "FF 7F"},
      {-32768, "80 00"},
      {-32769, "FF 7F FF"},
      {-8388609, "FF 7F FF FF"},
      {-2147483647 - 1, "80 00 00 00"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.v);
    AsnInteger value(c.v);
    Bytes content = hex(c.content);
    EXPECT_EQ(content.size(), value.contentLength());
    Bytes wire = test::concat({{kTagInteger, static_cast<uint8_t>(content.size())}, content});
    EXPECT_EQ(toHex(wire), toHex(encoded(value)));
    EXPECT_EQ(toHex(wire), toHex(value.toBytes()));
    EXPECT_EQ(c.v, value.value());
    EXPECT_EQ(std::to_string(c.v), value.toText());
    EXPECT_EQ(c.v, decodeValue<AsnInteger>(wire)->value());
  }
}

TEST(AsnIntegerTest, SizesAndNames) {
  EXPECT_EQ(3u, AsnInteger(2).encodedSize());
  EXPECT_EQ(6u, AsnInteger(8388608).encodedSize());
  EXPECT_EQ("43 02 01 2C", toHex(encoded(AsnTimeTicks(300))));
  EXPECT_STREQ("Integer", AsnInteger(0).typeName());
  EXPECT_STREQ("TimeTick", AsnTimeTicks(0).typeName());
  EXPECT_STREQ("Counter", decodeValue<AsnCounter>(hex("41 01 00"))->typeName());
  EXPECT_STREQ("Gauge", decodeValue<AsnGauge>(hex("42 01 00"))->typeName());
}

TEST(AsnIntegerTest, TextIsBuiltOnceAndFollowsSetValue) {
  AsnInteger value(5);
  const std::string& first = value.toText();
  EXPECT_EQ(&first, &value.toText());
  value.setValue(-129);
  EXPECT_EQ(-129, value.value());
  EXPECT_EQ("-129", value.toText());
  EXPECT_EQ("02 02 FF 7F", toHex(encoded(value)));
}

// A decoded value keeps the content length it arrived with and encodes again to the same octets.
TEST(AsnNumberTest, DecodedValuesEncodeAgainUnchanged) {
  const struct {
    const char* wire;
    const char* text;
  } integers[] = {
      {"02 01 FF", "-1"},
      {"02 02 00 FF", "255"},
      {"02 04 00 00 00 05", "5"},
  };
  for (const auto& c : integers) {
    SCOPED_TRACE(c.wire);
    auto value = decodeValue<AsnInteger>(hex(c.wire));
    EXPECT_EQ(c.text, value->toText());
    EXPECT_EQ(c.wire, toHex(encoded(*value)));
  }
  auto ticks = decodeValue<AsnTimeTicks>(hex("43 04 00 00 01 2C"));
  EXPECT_EQ(300, ticks->value());
  EXPECT_EQ(4, ticks->contentLength());
  EXPECT_EQ("43 04 00 00 01 2C", toHex(encoded(*ticks)));
  auto counter = decodeValue<AsnCounter>(hex("41 01 FF"));
  EXPECT_EQ("255", counter->toText());
  EXPECT_EQ("41 01 FF", toHex(encoded(*counter)));
}

// TimeTicks, Counter and Gauge are unsigned on the wire: 2^31 and above print as unsigned numbers
// and are built with a leading 00, so the octets mean the same number to every reader.
TEST(AsnNumberTest, UnsignedTypesKeepTheirUnsignedReading) {
  auto gauge = decodeValue<AsnGauge>(hex("42 05 00 FF FF FF FF"));
  EXPECT_EQ("4294967295", gauge->toText());
  EXPECT_EQ("42 05 00 FF FF FF FF", toHex(encoded(*gauge)));

  AsnTimeTicks ticks(4294967295u);
  EXPECT_EQ("4294967295", ticks.toText());
  EXPECT_EQ("43 05 00 FF FF FF FF", toHex(encoded(ticks)));
  AsnTimeTicks half(2147483648u);
  EXPECT_EQ("43 05 00 80 00 00 00", toHex(encoded(half)));
  AsnTimeTicks small(128);
  EXPECT_EQ("43 02 00 80", toHex(encoded(small)));
}

// Content longer than the 32-bit value needs keeps its length: the extra leading octets are sign
// octets (00 for the unsigned types), so the sizes stay exact.
TEST(AsnNumberTest, OverlongContentKeepsItsLengthWhenEncodedAgain) {
  auto integer = decodeValue<AsnInteger>(hex("02 06 12 34 FF FF FF FE"));
  EXPECT_EQ(-2, integer->value());
  EXPECT_EQ("02 06 FF FF FF FF FF FE", toHex(encoded(*integer)));
  auto counter = decodeValue<AsnCounter>(hex("41 09 01 02 03 04 05 06 07 08 09"));
  EXPECT_EQ(0x06070809, counter->value());
  EXPECT_EQ("41 09 00 00 00 00 00 06 07 08 09", toHex(encoded(*counter)));
}

TEST(AsnNumberTest, EmptyContentReadsAsZero) {
  auto integer = decodeValue<AsnInteger>(hex("02 00"));
  EXPECT_EQ(0, integer->value());
  EXPECT_EQ("0", integer->toText());
  EXPECT_EQ("02 00", toHex(encoded(*integer)));
  auto counter = decodeValue<AsnCounter64>(hex("46 00"));
  EXPECT_EQ(0u, counter->value());
  EXPECT_EQ("46 00", toHex(encoded(*counter)));
}

TEST(AsnCounter64Test, DecodesAndEncodesAgainUnchanged) {
  const struct {
    const char* wire;
    uint64_t value;
    const char* text;
  } cases[] = {
      {"46 01 05", 5, "5"},
      {"46 05 01 00 00 00 00", 4294967296u, "4294967296"},
      {"46 09 00 FF FF FF FF FF FF FF FF", 18446744073709551615u, "18446744073709551615"},
      {"46 08 00 00 00 00 00 00 00 2A", 42, "42"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    auto value = decodeValue<AsnCounter64>(hex(c.wire));
    EXPECT_EQ(c.value, value->value());
    EXPECT_EQ(c.text, value->toText());
    EXPECT_EQ(c.wire, toHex(encoded(*value)));
    EXPECT_STREQ("Counter64", value->typeName());
  }
}

TEST(AsnCounter64Test, SetValueUsesTheFewestOctets) {
  const struct {
    uint64_t v;
    const char* wire;
  } cases[] = {
      {0, "46 01 00"},
      {128, "46 01 80"},  // no leading 00 for a set top bit
      {255, "46 01 FF"},
      {256, "46 02 01 00"},
      {65536, "46 03 01 00 00"},
      {4294967296u, "46 05 01 00 00 00 00"},
      {18446744073709551615u, "46 08 FF FF FF FF FF FF FF FF"},
  };
  auto value = decodeValue<AsnCounter64>(hex("46 01 00"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.v);
    value->setValue(c.v);
    EXPECT_EQ(c.wire, toHex(encoded(*value)));
    EXPECT_EQ(std::to_string(c.v), value->toText());
  }
  EXPECT_EQ(10u, value->encodedSize());
}

// Every proper prefix of a valid encoding fails the reader without reading past it.
TEST(AsnNumberTest, TruncatedEncodingsFailTheReader) {
  const char* wires[] = {"02 04 00 00 01 2C", "43 81 02 01 2C", "46 09 00 FF FF FF FF FF FF FF FF"};
  for (const char* wire : wires) {
    Bytes full = hex(wire);
    for (size_t n = 1; n < full.size(); ++n) {
      SCOPED_TRACE(testing::Message() << wire << " cut to " << n);
      Bytes prefix(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(n));
      BerReader in(prefix.data(), prefix.size());
      in.next();
      if (full[0] == kTagCounter64) {
        AsnCounter64 value(in);
      } else {
        AsnInteger value(in);
      }
      EXPECT_FALSE(in.ok());
    }
  }
}

TEST(AsnNumberTest, LengthAboveWhatAValueHoldsIsRejected) {
  Bytes wire = hex("02 83 01 00 00 00");
  BerReader in(wire.data(), wire.size());
  in.next();
  AsnInteger value(in);
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(0, value.contentLength());
}

}  // namespace
}  // namespace vandrel
