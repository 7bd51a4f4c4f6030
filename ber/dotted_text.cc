#include "ber/dotted_text.h"

namespace vandrel {

static bool isSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

static uint32_t readDecimal(std::string_view part) {
  size_t i = 0;
  while (i < part.size() && isSpace(part[i])) ++i;
  bool negative = false;
  if (i < part.size() && (part[i] == '+' || part[i] == '-')) {
    negative = part[i] == '-';
    ++i;
  }
  uint32_t value = 0;
  for (; i < part.size() && part[i] >= '0' && part[i] <= '9'; ++i) {
    value = value * 10u + static_cast<uint32_t>(part[i] - '0');
  }
  return negative ? 0u - value : value;
}

std::vector<uint32_t> splitDotted(std::string_view text) {
  std::vector<uint32_t> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t dot = text.find('.', start);
    if (dot == std::string_view::npos) dot = text.size();
    if (dot > start) parts.push_back(readDecimal(text.substr(start, dot - start)));
    start = dot + 1;
  }
  return parts;
}

}  // namespace vandrel
