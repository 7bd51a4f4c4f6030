#ifndef VANDREL_SNMP_MESSAGE_PARSER_H_
#define VANDREL_SNMP_MESSAGE_PARSER_H_

#include <cstddef>
#include <cstdint>
#include <memory>

#include "snmp/snmp_message.h"

namespace vandrel {

// MessageParser turns one received datagram into a new SnmpMessage.
//
// It is lenient: it steps over the SEQUENCE headers without comparing their tags, ignores the
// lengths of the PDU and of each binding, takes the PDU tag byte as it is, keeps the default
// community or no version when those tags do not match, and discards a name left without a
// value. It checks that the message's declared length is not larger than the datagram, and it
// never reads at or past the datagram's end: a datagram whose walk would do so is abandoned.
// Either check failing means no message, and nothing the parser built is kept.
class MessageParser {
 public:
  // Decodes `length` bytes at `datagram` at once. The bytes are only read during construction.
  MessageParser(const uint8_t* datagram, size_t length);

  // release hands the decoded message to the caller, or returns null when the datagram was
  // rejected. Afterwards the parser owns nothing.
  std::unique_ptr<SnmpMessage> release() { return std::move(message_); }

 private:
  std::unique_ptr<SnmpMessage> message_;
};

}  // namespace vandrel

#endif  // VANDREL_SNMP_MESSAGE_PARSER_H_
