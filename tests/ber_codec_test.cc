#include "ber/ber_codec.h"

#include <gtest/gtest.h>

#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::hex;
using test::toHex;

Bytes written(uint32_t length) {
  Bytes out(8, 0);
  uint8_t* cursor = out.data();
  writeLength(cursor, length);
  out.resize(static_cast<size_t>(cursor - out.data()));
  return out;
}

struct LengthCase {
  uint32_t length;
  const char* wire;
};
const LengthCase kLengthCases[] = {
    {0, "00"},
    {126, "7E"},
    {127, "81 7F"},
    {128, "81 80"},
    {255, "81 FF"},
    {256, "82 01 00"},
    {512, "82 02 00"},
    {65535, "82 FF FF"},
    {65536, "83 01 00 00"},
    {16777215, "83 FF FF FF"},
    {16777216, "84 01 00 00 00"},
    {4294967295u, "84 FF FF FF FF"},
};

TEST(BerCodecTest, WriteLengthAndReadLengthAgree) {
  for (const LengthCase& c : kLengthCases) {
    SCOPED_TRACE(c.length);
    EXPECT_EQ(c.wire, toHex(written(c.length)));
    EXPECT_EQ(hex(c.wire).size(), lengthOctets(c.length));
    Bytes wire = hex(c.wire);
    BerReader in(wire.data(), wire.size());
    EXPECT_EQ(c.length, readLength(in));
    EXPECT_TRUE(in.ok());
    EXPECT_TRUE(in.atEnd());
  }
}

TEST(BerCodecTest, LengthOctetsAlwaysAgreesWithWriteLength) {
  for (uint32_t length = 0; length <= 65536; ++length) {
    ASSERT_EQ(written(length).size(), lengthOctets(length)) << length;
  }
  for (uint32_t length : {16777215u, 16777216u, 4294967295u}) {
    EXPECT_EQ(written(length).size(), lengthOctets(length)) << length;
  }
}

TEST(BerCodecTest, EncodedSizeCountsTagLengthAndContent) {
  EXPECT_EQ(2u, encodedSize(0));
  EXPECT_EQ(128u, encodedSize(126));
  EXPECT_EQ(130u, encodedSize(127));
  EXPECT_EQ(258u, encodedSize(255));
  EXPECT_EQ(260u, encodedSize(256));
}

struct ReadCase {
  const char* wire;
  uint32_t value;
  size_t consumed;
  const char* why;
};

TEST(BerCodecTest, ReadLengthAcceptsEveryDefiniteForm) {
  const ReadCase cases[] = {
      {"05 AA", 5, 1, "short form"},
      {"81 05", 5, 2, "needlessly long form reads as the plain value"},
      {"82 00 05", 5, 3, "leading zero length octet"},
      {"85 01 00 00 00 05", 5, 6, "past four octets the low four remain"},
      {"84 FF FF FF FF", 4294967295u, 5, "largest 32-bit length"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.why);
    Bytes wire = hex(c.wire);
    BerReader in(wire.data(), wire.size());
    EXPECT_EQ(c.value, readLength(in));
    EXPECT_TRUE(in.ok());
    EXPECT_EQ(c.consumed, static_cast<size_t>(in.pos - wire.data()));
  }
}

TEST(BerCodecTest, ReadTagAndSubIdShareTheBase128Rule) {
  const ReadCase cases[] = {
      {"02", 2, 1, "every tag the decoders compare is one octet"},
      {"81 00", 128, 2, "two groups"},
      {"FF 7F", 16383, 2, "largest two-group value"},
      {"8F FF FF FF 7F", 4294967295u, 5, "largest 32-bit value"},
      {"90 80 80 80 00", 0, 5, "only the low 32 bits remain"},
      {"7F 01", 127, 1, "stops after an octet without the top bit"},
  };
  for (const ReadCase& c : cases) {
    SCOPED_TRACE(c.why);
    Bytes wire = hex(c.wire);
    BerReader tagIn(wire.data(), wire.size());
    EXPECT_EQ(c.value, readTag(tagIn));
    EXPECT_EQ(c.consumed, static_cast<size_t>(tagIn.pos - wire.data()));
    BerReader subIdIn(wire.data(), wire.size());
    EXPECT_EQ(c.value, readSubId(subIdIn));
    EXPECT_TRUE(subIdIn.ok());
  }
}

TEST(BerCodecTest, WriteSubIdUsesTheFewestGroups) {
  const struct {
    uint32_t value;
    const char* wire;
  } cases[] = {
      {0, "00"},
      {127, "7F"},
      {128, "81 00"},
      {16383, "FF 7F"},
      {16384, "81 80 00"},
      {268435456, "81 80 80 80 00"},
      {4294967295u, "8F FF FF FF 7F"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.value);
    Bytes out(5, 0);
    int count = writeSubId(out.data(), c.value);
    out.resize(static_cast<size_t>(count));
    EXPECT_EQ(c.wire, toHex(out));
    EXPECT_EQ(count, subIdOctets(c.value));
    BerReader in(out.data(), out.size());
    EXPECT_EQ(c.value, readSubId(in));
  }
}

TEST(BerCodecTest, FirstTwoArcsPackIntoOneSubId) {
  const struct {
    const char* wire;
    uint32_t first, second;
  } cases[] = {
      {"27", 0, 39},
      {"28", 1, 0},
      {"2B", 1, 3},
      {"50", 2, 0},
      {"7F", 2, 47},
      // From 2.48 on the packed value takes several groups, as X.690 writes it.
      {"81 00", 2, 48},
      {"88 37", 2, 999},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    Bytes wire = hex(c.wire);
    BerReader in(wire.data(), wire.size());
    FirstArcs arcs = splitFirstOctet(in);
    EXPECT_EQ(c.first, arcs.first);
    EXPECT_EQ(c.second, arcs.second);
    EXPECT_TRUE(in.atEnd());

    Bytes out(5, 0);
    uint8_t* cursor = out.data();
    joinFirstOctet(cursor, c.first, c.second);
    out.resize(static_cast<size_t>(cursor - out.data()));
    EXPECT_EQ(c.wire, toHex(out));
    EXPECT_EQ(static_cast<int>(out.size()), joinedFirstOctets(c.first, c.second));
  }
}

TEST(BerCodecTest, ReadUnsignedAndReadSigned) {
  const struct {
    const char* wire;
    uint32_t unsignedValue;
    int32_t signedValue;
  } cases[] = {
      {"FF", 255, -1},
      {"80", 128, -128},
      {"FF 7F", 65407, -129},
      {"00 80", 128, 128},
      {"7F FF FF FF", 2147483647u, 2147483647},
      {"00 FF FF FF FF", 4294967295u, -1},  // 2^32 - 1 arrives with a leading 00
      {"01 02 03 04 05 06 07 08 09", 0x06070809u, 0x06070809},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    Bytes wire = hex(c.wire);
    uint32_t n = static_cast<uint32_t>(wire.size());
    BerReader u(wire.data(), wire.size());
    EXPECT_EQ(c.unsignedValue, readUnsigned(u, n));
    EXPECT_TRUE(u.ok() && u.atEnd());
    BerReader s(wire.data(), wire.size());
    EXPECT_EQ(c.signedValue, readSigned(s, n));
    EXPECT_TRUE(s.ok() && s.atEnd());
  }
}

TEST(BerCodecTest, EmptyIntegerContentReadsAsZeroAndConsumesNothing) {
  Bytes wire = hex("7F");
  BerReader in(wire.data(), wire.size());
  EXPECT_EQ(0u, readUnsigned(in, 0));
  EXPECT_EQ(0, readSigned(in, 0));
  EXPECT_TRUE(in.ok());
  EXPECT_EQ(wire.data(), in.pos);
}

// Every reader stops at the end of the data, whatever the data announces, and fails the reader.
TEST(BerCodecTest, ReadersNeverPassTheEndOfTheData) {
  const struct {
    const char* wire;
    int reader;  // 0 length, 1 tag, 2 sub-identifier, 3 unsigned of 4, 4 signed of 4
    const char* why;
  } cases[] = {
      {"", 0, "no length octet at all"},
      {"80", 0, "indefinite form"},
      {"84 FF FF FF", 0, "long form cut short"},
      {"FF", 0, "127 length octets announced, none present"},
      {"", 1, "no tag octet"},
      {"9F FF FF", 1, "tag octets all carry the top bit up to the end"},
      {"81", 2, "sub-identifier cut short"},
      {"01 02 03", 3, "unsigned content cut short"},
      {"01 02 03", 4, "signed content cut short"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    Bytes wire = hex(c.wire);  // exact size, so AddressSanitizer sees any over-read
    BerReader in(wire.data(), wire.size());
    switch (c.reader) {
      case 0:
        readLength(in);
        break;
      case 1:
        readTag(in);
        break;
      case 2:
        readSubId(in);
        break;
      case 3:
        readUnsigned(in, 4);
        break;
      case 4:
        readSigned(in, 4);
        break;
    }
    EXPECT_FALSE(in.ok());
    EXPECT_LE(in.pos, in.end);
    // The failure sticks: later reads yield 0 and move nothing.
    const uint8_t* stop = in.pos;
    EXPECT_EQ(0, in.next());
    EXPECT_EQ(stop, in.pos);
  }
}

TEST(BerCursorTest, SubReaderFailsWhenShortAndConsumesNothing) {
  Bytes wire = hex("01 02 03");
  BerReader in(wire.data(), wire.size());
  BerReader part = in.sub(2);
  EXPECT_TRUE(part.ok());
  EXPECT_EQ(2u, part.remaining());
  BerReader tooLong = in.sub(2);
  EXPECT_FALSE(tooLong.ok());
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(0u, tooLong.remaining());
}

}  // namespace
}  // namespace vandrel
