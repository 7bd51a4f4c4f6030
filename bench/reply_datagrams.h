// The received messages the decoding benchmarks feed to both libraries, written here byte by
// byte rather than by either library under test.
#ifndef VANDREL_BENCH_REPLY_DATAGRAMS_H_
#define VANDREL_BENCH_REPLY_DATAGRAMS_H_

#include <cstdint>
#include <vector>

namespace vandrel::bench {

// applyReply is what a switch answers to the tool: an SNMPv1 GetResponse, community "private",
// request-id 123, error-status 0, binding 1.3.6.1.4.1.1872.2.1.2.1.2.0 = INTEGER 2.
std::vector<uint8_t> applyReply();

// tableReply is a GetResponse of the same header carrying `bindings` bindings, named like the
// cells of an interface table (1.3.6.1.2.1.2.2.1.column.row) and with values cycling through
// INTEGER, OCTET STRING ("port-<n>"), Counter and TimeTicks, as a walk of such a table returns.
std::vector<uint8_t> tableReply(int bindings);

}  // namespace vandrel::bench

#endif  // VANDREL_BENCH_REPLY_DATAGRAMS_H_
