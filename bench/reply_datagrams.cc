#include "reply_datagrams.h"

#include <string>

namespace vandrel::bench {

namespace {

using Bytes = std::vector<uint8_t>;

void appendLength(Bytes& out, size_t length) {
  if (length < 0x80) {
    out.push_back(static_cast<uint8_t>(length));
    return;
  }
  Bytes octets;
  for (; length > 0; length >>= 8) octets.insert(octets.begin(), static_cast<uint8_t>(length));
  out.push_back(static_cast<uint8_t>(0x80 | octets.size()));
  out.insert(out.end(), octets.begin(), octets.end());
}

Bytes tlv(uint8_t tag, const Bytes& content) {
  Bytes out{tag};
  appendLength(out, content.size());
  out.insert(out.end(), content.begin(), content.end());
  return out;
}

Bytes concat(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& part : parts) out.insert(out.end(), part.begin(), part.end());
  return out;
}

// The shortest two's-complement content of `v` (signed) or of `v` with a leading zero octet
// where its top bit is set (unsigned application types).
Bytes integerContent(int64_t v) {
  Bytes out;
  do {
    out.insert(out.begin(), static_cast<uint8_t>(v));
    v >>= 8;
  } while (!((v == 0 && !(out.front() & 0x80)) || (v == -1 && (out.front() & 0x80))));
  return out;
}

Bytes oidContent(std::initializer_list<uint32_t> arcs) {
  auto arc = arcs.begin();
  uint32_t first = *arc++;
  Bytes out{static_cast<uint8_t>(first * 40 + *arc++)};
  for (; arc != arcs.end(); ++arc) {
    Bytes group;
    uint32_t v = *arc;
    do {
      group.insert(group.begin(), static_cast<uint8_t>((v & 0x7F) | (group.empty() ? 0 : 0x80)));
      v >>= 7;
    } while (v != 0);
    out.insert(out.end(), group.begin(), group.end());
  }
  return out;
}

Bytes response(const Bytes& bindingList) {
  const std::string community = "private";
  return tlv(
      0x30,
      concat({tlv(0x02, integerContent(0)), tlv(0x04, Bytes(community.begin(), community.end())),
              tlv(0xA2, concat({tlv(0x02, integerContent(123)), tlv(0x02, integerContent(0)),
                                tlv(0x02, integerContent(0)), bindingList}))}));
}

}  // namespace

std::vector<uint8_t> applyReply() {
  Bytes binding =
      tlv(0x30, concat({tlv(0x06, oidContent({1, 3, 6, 1, 4, 1, 1872, 2, 1, 2, 1, 2, 0})),
                        tlv(0x02, integerContent(2))}));
  return response(tlv(0x30, binding));
}

std::vector<uint8_t> tableReply(int bindings) {
  Bytes list;
  for (int i = 0; i < bindings; ++i) {
    uint32_t column = static_cast<uint32_t>(i % 4);
    uint32_t row = static_cast<uint32_t>(i / 4 + 1);
    Bytes name = tlv(0x06, oidContent({1, 3, 6, 1, 2, 1, 2, 2, 1, column + 1, row}));
    Bytes value;
    switch (column) {
      case 0:
        value = tlv(0x02, integerContent(i));
        break;
      case 1: {
        std::string text = "port-" + std::to_string(row);
        value = tlv(0x04, Bytes(text.begin(), text.end()));
        break;
      }
      case 2:
        value = tlv(0x41, integerContent(static_cast<uint32_t>(i * 1000003u)));
        break;
      default:
        value = tlv(0x43, integerContent(static_cast<int64_t>(row) * 100));
        break;
    }
    Bytes binding = tlv(0x30, concat({name, value}));
    list.insert(list.end(), binding.begin(), binding.end());
  }
  return response(tlv(0x30, list));
}

}  // namespace vandrel::bench
