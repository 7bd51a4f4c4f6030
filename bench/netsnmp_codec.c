#include "netsnmp_codec.h"

#include <stdlib.h>
#include <string.h>

/* Net-SNMP's headers must come in this order: its configuration first. */
#include <net-snmp/net-snmp-config.h>
/* Then the library's declarations, */
#include <net-snmp/net-snmp-includes.h>
/* and the community-string codec that they leave out. */
#include <net-snmp/library/snmp_impl.h>

struct NetsnmpRequest {
  netsnmp_session session;
  netsnmp_pdu* pdu;
  u_char* buffer;
  size_t size;
};

static const oid kApplyOid[] = {1, 3, 6, 1, 4, 1, 1872, 2, 1, 2, 1, 2, 0};

void netsnmpSetUp(void) {
  /* The codec paths read no configuration, so init_snmp (which would read configuration files and
   * create directories under /var/lib/snmp) is left out. What it would set that matters here is
   * the encoding direction: reverse, the library's default and snmpset's. */
  netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_REVERSE_ENCODE, 1);
}

static netsnmp_pdu* newApplyPdu(void) {
  netsnmp_pdu* pdu = snmp_pdu_create(SNMP_MSG_SET);
  long two = 2;
  if (pdu == NULL) return NULL;
  pdu->reqid = 123;
  pdu->version = SNMP_VERSION_1; /* what snmp_send copies from the session before building */
  if (snmp_pdu_add_variable(pdu, kApplyOid, sizeof kApplyOid / sizeof kApplyOid[0], ASN_INTEGER,
                            &two, sizeof two) == NULL) {
    snmp_free_pdu(pdu);
    return NULL;
  }
  return pdu;
}

NetsnmpRequest* netsnmpNewRequest(const char* community) {
  NetsnmpRequest* request = calloc(1, sizeof *request);
  if (request == NULL) return NULL;
  snmp_sess_init(&request->session);
  request->session.version = SNMP_VERSION_1;
  request->session.community = (u_char*)strdup(community);
  request->session.community_len = strlen(community);
  request->pdu = newApplyPdu();
  request->size = SNMP_MAX_MSG_SIZE;
  request->buffer = malloc(request->size);
  if (request->session.community == NULL || request->pdu == NULL || request->buffer == NULL) {
    netsnmpFreeRequest(request);
    return NULL;
  }
  return request;
}

void netsnmpFreeRequest(NetsnmpRequest* request) {
  if (request == NULL) return;
  if (request->pdu != NULL) snmp_free_pdu(request->pdu);
  free(request->session.community);
  free(request->buffer);
  free(request);
}

/* Reverse encoding writes from the end of the buffer backwards; `offset` is how much it wrote. */
static const u_char* build(NetsnmpRequest* request, netsnmp_pdu* pdu, size_t* length) {
  size_t offset = 0;
  if (snmp_build(&request->buffer, &request->size, &offset, &request->session, pdu) != 0) {
    return NULL;
  }
  *length = offset;
  return request->buffer + request->size - offset;
}

const unsigned char* netsnmpEncode(NetsnmpRequest* request, size_t* length) {
  return build(request, request->pdu, length);
}

size_t netsnmpBuildAndEncode(NetsnmpRequest* request) {
  size_t length = 0;
  netsnmp_pdu* pdu = newApplyPdu();
  if (pdu == NULL) return 0;
  if (build(request, pdu, &length) == NULL) length = 0;
  snmp_free_pdu(pdu);
  return length;
}

long netsnmpDecode(const unsigned char* datagram, size_t length, long* bindings) {
  u_char community[COMMUNITY_MAX_LEN];
  size_t communityLength = sizeof community;
  long version = 0;
  size_t left = length;
  /* The parsers take a non-const pointer but only read through it. */
  u_char* data = snmp_comstr_parse((u_char*)datagram, &left, community, &communityLength, &version);
  if (data == NULL) return -1;

  netsnmp_pdu* pdu = calloc(1, sizeof *pdu);
  if (pdu == NULL) return -1;
  pdu->version = version;
  pdu->community = malloc(communityLength ? communityLength : 1);
  if (pdu->community == NULL) {
    snmp_free_pdu(pdu);
    return -1;
  }
  memcpy(pdu->community, community, communityLength);
  pdu->community_len = communityLength;

  long requestId = -1;
  if (snmp_pdu_parse(pdu, data, &left) == 0) {
    requestId = pdu->reqid;
    if (bindings != NULL) {
      *bindings = 0;
      for (netsnmp_variable_list* v = pdu->variables; v != NULL; v = v->next_variable) ++*bindings;
    }
  }
  snmp_free_pdu(pdu);
  return requestId;
}
