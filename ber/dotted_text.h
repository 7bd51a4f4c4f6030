#ifndef VANDREL_BER_DOTTED_TEXT_H_
#define VANDREL_BER_DOTTED_TEXT_H_

#include <cstdint>
#include <string_view>
#include <vector>

namespace vandrel {

// splitDotted splits dotted text (an object identifier, an IPv4 address) at "." and reads each
// part as a decimal number. A run of dots separates like one dot and dots at either end yield no
// part. Each part reads like C's strtol in base 10: leading white space and one sign are allowed,
// reading stops at the first non-digit, a part without digits is 0, and the number is kept modulo
// 2^32 (a minus sign negates it within those 32 bits).
std::vector<uint32_t> splitDotted(std::string_view text);

}  // namespace vandrel

#endif  // VANDREL_BER_DOTTED_TEXT_H_
