/* The floor of the whole-process comparison: the least a program can do to apply the changes.
 *
 * It sends the tool's request for community "private" as one pre-built datagram with one sendto,
 * waits for the reply with select (30 s at most), reads it with recvfrom and checks it: a
 * GetResponse whose request-id is 123 and whose error-status is 0. No SNMP library, no BER
 * decoder: the few header fields are walked by hand, every read bounded by the bytes received.
 *
 *   floor 127.0.0.1      exit status 0 when the switch applied the changes, else 1
 */
#include <arpa/inet.h>
#include <netinet/in.h>
#include <stddef.h>
#include <stdint.h>
#include <string.h>
#include <sys/select.h>
#include <sys/socket.h>
#include <unistd.h>

static const uint8_t kRequest[] = {
    0x30, 0x2D, 0x02, 0x01, 0x00, 0x04, 0x07, 'p',  'r',  'i',  'v',  'a',  't',  'e',  0xA3, 0x1F,
    0x02, 0x01, 0x7B, 0x02, 0x01, 0x00, 0x02, 0x01, 0x00, 0x30, 0x14, 0x30, 0x12, 0x06, 0x0D, 0x2B,
    0x06, 0x01, 0x04, 0x01, 0x8E, 0x50, 0x02, 0x01, 0x02, 0x01, 0x02, 0x00, 0x02, 0x01, 0x02};

/* Steps over one tag and its length octets at *at; returns the content length, or -1 when the
 * header runs past `end` or its length is longer than four octets. */
static long header(const uint8_t** at, const uint8_t* end) {
  const uint8_t* p = *at;
  if (end - p < 2) return -1;
  p++;
  long length = *p++;
  if (length & 0x80) {
    int octets = (int)(length & 0x7F);
    if (octets > 4 || end - p < octets) return -1;
    for (length = 0; octets > 0; octets--) length = (length << 8) | *p++;
  }
  *at = p;
  return length;
}

/* Reads the small INTEGER at *at (tag 02, content 1 to 4 octets) into *value. */
static int integer(const uint8_t** at, const uint8_t* end, long* value) {
  if (end - *at < 1 || **at != 0x02) return 0;
  long length = header(at, end);
  if (length < 1 || length > 4 || end - *at < length) return 0;
  long v = (**at & 0x80) ? -1 : 0;
  for (long i = 0; i < length; i++) v = (v << 8) | *(*at)++;
  *value = v;
  return 1;
}

static int applied(const uint8_t* reply, long size) {
  const uint8_t* at = reply;
  const uint8_t* end = reply + size;
  long version, requestId, errorStatus, length;
  if (header(&at, end) < 0 || !integer(&at, end, &version)) return 0;
  if (end - at < 1 || *at != 0x04 || (length = header(&at, end)) < 0 || end - at < length) return 0;
  at += length; /* the community */
  if (end - at < 1 || *at != 0xA2 || header(&at, end) < 0) return 0;
  if (!integer(&at, end, &requestId) || !integer(&at, end, &errorStatus)) return 0;
  return requestId == 123 && errorStatus == 0;
}

int main(int argc, char** argv) {
  struct sockaddr_in agent;
  memset(&agent, 0, sizeof agent);
  agent.sin_family = AF_INET;
  agent.sin_port = htons(161);
  if (argc != 2 || inet_pton(AF_INET, argv[1], &agent.sin_addr) != 1) return 2;

  int s = socket(AF_INET, SOCK_DGRAM, 0);
  if (s < 0) return 1;
  if (sendto(s, kRequest, sizeof kRequest, 0, (const struct sockaddr*)&agent, sizeof agent) !=
      (ssize_t)sizeof kRequest) {
    return 1;
  }
  fd_set readable;
  FD_ZERO(&readable);
  FD_SET(s, &readable);
  struct timeval timeout = {30, 0};
  if (select(s + 1, &readable, NULL, NULL, &timeout) != 1) return 1;
  uint8_t reply[4096];
  ssize_t size = recvfrom(s, reply, sizeof reply, 0, NULL, NULL);
  close(s);
  return size > 0 && applied(reply, size) ? 0 : 1;
}
