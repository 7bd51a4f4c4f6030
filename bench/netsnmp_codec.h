/* The same codec work as the benchmarks ask of Vandrel, done by Net-SNMP's library. Its headers
 * stay in netsnmp_codec.c, behind this small C interface, so that their many macros never meet
 * Vandrel's names. */
#ifndef VANDREL_BENCH_NETSNMP_CODEC_H_
#define VANDREL_BENCH_NETSNMP_CODEC_H_

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

/* netsnmpSetUp sets up what the codec paths of the library depend on. Call it once. */
void netsnmpSetUp(void);

/* NetsnmpRequest is the tool's request the way a Net-SNMP application holds it: an SNMPv1
 * session with the community and a SetRequest PDU of 1.3.6.1.4.1.1872.2.1.2.1.2.0 = INTEGER 2,
 * request-id 123, with the packet buffer the library encodes into. */
typedef struct NetsnmpRequest NetsnmpRequest;
NetsnmpRequest* netsnmpNewRequest(const char* community);
void netsnmpFreeRequest(NetsnmpRequest* request);

/* netsnmpEncode encodes the request with snmp_build, as the library does before each send.
 * Returns the encoded bytes (inside the request's buffer) and their number in *length, or NULL. */
const unsigned char* netsnmpEncode(NetsnmpRequest* request, size_t* length);

/* netsnmpBuildAndEncode does all that an application does for one request: a new PDU with its
 * binding, snmp_build, and freeing the PDU. Returns the number of bytes, 0 on failure. */
size_t netsnmpBuildAndEncode(NetsnmpRequest* request);

/* netsnmpDecode decodes one received SNMPv1 message as the library does: snmp_comstr_parse for the
 * version and community, which the PDU keeps, then snmp_pdu_parse, then snmp_free_pdu. Returns
 * the request-id, or -1 when the message is rejected. With `bindings` non-null, it also counts
 * the bindings decoded. */
long netsnmpDecode(const unsigned char* datagram, size_t length, long* bindings);

#ifdef __cplusplus
}
#endif

#endif /* VANDREL_BENCH_NETSNMP_CODEC_H_ */
