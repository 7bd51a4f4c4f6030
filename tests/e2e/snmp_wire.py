"""The few SNMPv1 datagrams the end-to-end tests need, written out independently of the library."""


def tlv(tag: int, content: bytes) -> bytes:
    """One element with a one-octet tag: short length form up to 126, long form from 127 on."""
    n = len(content)
    if n <= 126:
        length = bytes([n])
    else:
        octets = n.to_bytes((n.bit_length() + 7) // 8, "big")
        length = bytes([0x80 + len(octets)]) + octets
    return bytes([tag]) + length + content


def integer(value: int) -> bytes:
    size = 1
    while not -(1 << (8 * size - 1)) <= value < (1 << (8 * size - 1)):
        size += 1
    return tlv(0x02, value.to_bytes(size, "big", signed=True))


APPLY_BINDING = tlv(0x30, bytes.fromhex("060D2B060104018E50020102010200") + integer(2))


def message(community: bytes, pdu_tag: int, request_id: int, error_status: int = 0,
            error_index: int = 0, bindings: bytes = APPLY_BINDING) -> bytes:
    pdu = tlv(pdu_tag, integer(request_id) + integer(error_status) + integer(error_index) +
              tlv(0x30, bindings))
    return tlv(0x30, integer(0) + tlv(0x04, community) + pdu)


def apply_request(community: bytes) -> bytes:
    """The tool's SetRequest: apply object = INTEGER 2, request-id 123."""
    return message(community, 0xA3, 123)


def reply(community: bytes = b"private", request_id: int = 123, error_status: int = 0,
          pdu_tag: int = 0xA2) -> bytes:
    """A switch's GetResponse to the apply request."""
    return message(community, pdu_tag, request_id, error_status)
