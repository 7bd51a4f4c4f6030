#include "snmp/varbind.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ber/asn_number.h"
#include "ber/asn_octet_string.h"
#include "ber/asn_oid.h"
#include "test_bytes.h"

namespace vandrel {
namespace {

using test::Bytes;
using test::encoded;
using test::hex;
using test::toHex;

std::unique_ptr<VarBind> binding(const char* oid, int32_t value) {
  return std::make_unique<VarBind>(std::make_unique<AsnOid>(oid),
                                   std::make_unique<AsnInteger>(value));
}

std::string names(const VarBindList& list) {
  std::string out;
  for (const VarBind* b = list.head(); b; b = b->next()) {
    if (!out.empty()) out += ' ';
    out += b->oid()->toText();
  }
  return out;
}

TEST(VarBindTest, EncodesTheCommandsBinding) {
  auto apply = binding("1.3.6.1.4.1.1872.2.1.2.1.2.0", 2);
  EXPECT_EQ(18u, apply->contentSize());
  EXPECT_EQ("30 12 06 0D 2B 06 01 04 01 8E 50 02 01 02 01 02 00 02 01 02", toHex(encoded(*apply)));

  VarBindList list;
  list.append(std::move(apply));
  EXPECT_EQ("30 14 30 12 06 0D 2B 06 01 04 01 8E 50 02 01 02 01 02 00 02 01 02",
            toHex(encoded(list)));
}

TEST(VarBindTest, MissingMembersEncodeAsNothingAndNull) {
  VarBind nameOnly(std::make_unique<AsnOid>("1.3"), nullptr);
  EXPECT_EQ("30 05 06 01 2B 05 00", toHex(encoded(nameOnly)));
  EXPECT_EQ(5u, nameOnly.contentSize());
  EXPECT_EQ("30 02 05 00", toHex(encoded(VarBind())));
  EXPECT_EQ("30 00", toHex(encoded(VarBindList())));
}

// Sizes and octets written agree across the length-form boundaries, for a binding and for a
// list holding it.
TEST(VarBindTest, SizesAgreeWithOctetsWrittenAcrossLengthForms) {
  for (size_t k = 100; k < 300; ++k) {
    SCOPED_TRACE(k);
    VarBindList list;
    list.append(std::make_unique<VarBind>(std::make_unique<AsnOid>("1.3"),
                                          std::make_unique<AsnOctetString>(std::string(k, 'v'))));
    Bytes expected =
        test::tlv(0x30, test::concat({hex("06 01 2B"), test::tlv(0x04, Bytes(k, 'v'))}));
    EXPECT_EQ(toHex(expected), toHex(encoded(*list.head())));
    EXPECT_EQ(toHex(test::tlv(0x30, expected)), toHex(encoded(list)));
  }
  // The boundary itself: content 126 takes the short form, 127 the long one.
  VarBind at126(std::make_unique<AsnOid>("1.3"),
                std::make_unique<AsnOctetString>(std::string(121, 'v')));
  Bytes wire126 = encoded(at126);
  EXPECT_EQ(128u, wire126.size());
  EXPECT_EQ("30 7E", toHex(Bytes(wire126.begin(), wire126.begin() + 2)));
  VarBind at127(std::make_unique<AsnOid>("1.3"),
                std::make_unique<AsnOctetString>(std::string(122, 'v')));
  Bytes wire127 = encoded(at127);
  EXPECT_EQ(130u, wire127.size());
  EXPECT_EQ("30 81 7F", toHex(Bytes(wire127.begin(), wire127.begin() + 3)));
}

TEST(VarBindListTest, AppendKeepsOrderAndTakesWholeChains) {
  VarBindList list;
  list.append(nullptr);
  EXPECT_EQ(nullptr, list.head());
  list.append(binding("1.3.1", 1));
  list.append(binding("1.3.2", 2));

  VarBindList other;
  other.append(binding("1.3.3", 3));
  other.append(binding("1.3.4", 4));
  list.append(other.replaceHead(nullptr));  // a chain of two, appended in one call
  list.append(binding("1.3.5", 5));
  EXPECT_EQ("1.3.1 1.3.2 1.3.3 1.3.4 1.3.5", names(list));
  EXPECT_EQ(nullptr, other.head());
}

TEST(VarBindListTest, ReplaceHeadHandsBackThePreviousChain) {
  VarBindList empty;
  EXPECT_EQ(nullptr, empty.replaceHead(binding("1.3.9", 9)));
  EXPECT_EQ("1.3.9", names(empty));

  VarBindList list;
  list.append(binding("1.3.1", 1));                                             // A
  list.append(binding("1.3.2", 2));                                             // B
  std::unique_ptr<VarBind> previous = list.replaceHead(binding("1.3.24", 24));  // X
  ASSERT_NE(nullptr, previous);
  EXPECT_EQ("1.3.1", previous->oid()->toText());
  ASSERT_NE(nullptr, previous->next());
  EXPECT_EQ("1.3.2", previous->next()->oid()->toText());
  EXPECT_EQ("1.3.24", names(list));
  // Putting two in front, as the trap conversion does: X, Y, A, B.
  list.append(binding("1.3.25", 25));
  list.append(std::move(previous));
  EXPECT_EQ("1.3.24 1.3.25 1.3.1 1.3.2", names(list));
  list.append(binding("1.3.3", 3));
  EXPECT_EQ("1.3.24 1.3.25 1.3.1 1.3.2 1.3.3", names(list));
}

// A value that counts its destructions, to show who frees what.
class CountedValue : public AsnOctetString {
 public:
  explicit CountedValue(int* deaths) : AsnOctetString("x"), deaths_(deaths) {}
  ~CountedValue() override { ++*deaths_; }

 private:
  int* deaths_;
};

TEST(VarBindListTest, DestroyingTheListFreesEveryBindingAndMember) {
  int deaths = 0;
  {
    VarBindList list;
    for (int i = 0; i < 3; ++i) {
      list.append(std::make_unique<VarBind>(std::make_unique<CountedValue>(&deaths),
                                            std::make_unique<CountedValue>(&deaths)));
    }
    EXPECT_EQ(0, deaths);
  }
  EXPECT_EQ(6, deaths);

  VarBind replaced(std::make_unique<CountedValue>(&deaths), nullptr);
  replaced.setOid(std::make_unique<CountedValue>(&deaths));
  EXPECT_EQ(7, deaths);  // a setter frees the member it replaces
}

TEST(VarBindListTest, LongChainsAreFreedWithoutDeepRecursion) {
  VarBindList list;
  for (int i = 0; i < 200000; ++i) list.append(std::make_unique<VarBind>());
  EXPECT_EQ(200000u * 4 + 5, list.encodedSize());
}

}  // namespace
}  // namespace vandrel
