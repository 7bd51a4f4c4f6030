"""Writes the fuzzers' seed corpora: real datagrams captured from Net-SNMP's snmpd and snmptrap,
and hand-made ones (the decoder tests' malformed fixtures among them).

Run it in a private network namespace, so that snmpd and the trap listener use loopback only:

    unshare -rn -- python3 fuzz/make_seeds.py
"""
import os
import socket
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e"))
import snmp_wire  # noqa: E402
from snmp_wire import tlv  # noqa: E402

APPLY_OID = ".1.3.6.1.4.1.1872.2.1.2.1.2.0"
PARSER = os.path.join(HERE, "corpus", "message_parser")
VALUES = os.path.join(HERE, "corpus", "values")
ENV = dict(os.environ, MIBS="")


def write(directory, name, data):
    os.makedirs(directory, exist_ok=True)
    with open(os.path.join(directory, name), "wb") as f:
        f.write(data)


def exchange(request, port=161):
    """Sends one datagram to 127.0.0.1 and returns the reply, or None."""
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as s:
        s.settimeout(2)
        s.sendto(request, ("127.0.0.1", port))
        try:
            return s.recv(70000)
        except socket.timeout:
            return None


def oid_content(dotted):
    arcs = [int(a) for a in dotted.strip(".").split(".")]
    out = bytearray([arcs[0] * 40 + arcs[1]])
    for arc in arcs[2:]:
        groups = [arc & 0x7F]
        arc >>= 7
        while arc:
            groups.insert(0, 0x80 | (arc & 0x7F))
            arc >>= 7
        out += bytes(groups)
    return bytes(out)


def get_request(version, community, oids):
    bindings = b"".join(tlv(0x30, tlv(0x06, oid_content(o)) + b"\x05\x00") for o in oids)
    pdu = tlv(0xA0, snmp_wire.integer(7) + snmp_wire.integer(0) + snmp_wire.integer(0) +
              tlv(0x30, bindings))
    return tlv(0x30, snmp_wire.integer(version) + tlv(0x04, community) + pdu)


def capture_real():
    subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    work = tempfile.mkdtemp()
    conf = os.path.join(work, "snmpd.conf")
    with open(conf, "w") as f:
        f.write(f"override -rw {APPLY_OID} integer 0\n"
                "rwcommunity private 127.0.0.1\nrocommunity public 127.0.0.1\n")
    daemon = subprocess.Popen(
        ["snmpd", "-f", "-Lo", "-C", "-c", conf, f"--persistentDir={work}/p", "udp:127.0.0.1:161"],
        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=ENV)
    try:
        for _ in range(100):
            if exchange(get_request(0, b"public", ["1.3.6.1.2.1.1.3.0"])):
                break
            time.sleep(0.1)
        captures = {
            "snmpd-apply-applied": snmp_wire.apply_request(b"private"),
            "snmpd-apply-readonly": snmp_wire.apply_request(b"public"),
            "snmpd-v1-system": get_request(0, b"public", [
                "1.3.6.1.2.1.1.1.0", "1.3.6.1.2.1.1.2.0", "1.3.6.1.2.1.1.3.0"]),
            "snmpd-v1-interface": get_request(0, b"public", [
                "1.3.6.1.2.1.2.2.1.10.1", "1.3.6.1.2.1.2.2.1.5.1", "1.3.6.1.2.1.2.2.1.6.1",
                "1.3.6.1.2.1.4.20.1.1.127.0.0.1"]),
            "snmpd-v2c-counter64": get_request(1, b"public", [
                "1.3.6.1.2.1.31.1.1.1.6.1", "1.3.6.1.2.1.1.3.0"]),
            "snmpd-v2c-no-such-object": get_request(1, b"public", ["1.3.6.1.4.1.99999.1.0"]),
        }
        for name, request in captures.items():
            reply = exchange(request)
            if reply is None:
                raise RuntimeError(f"snmpd did not answer {name}")
            write(PARSER, name + ".bin", reply)
    finally:
        daemon.terminate()
        daemon.wait()

    # Traps of both kinds, as snmptrap sends them.
    with socket.socket(socket.AF_INET, socket.SOCK_DGRAM) as listener:
        listener.bind(("127.0.0.1", 162))
        listener.settimeout(5)
        traps = {
            "snmptrap-v1": ["-v1", "-c", "public", "127.0.0.1:162", "1.3.6.1.4.1.1872",
                            "192.0.2.1", "6", "17", "300", "1.3.6.1.2.1.1.5.0", "s", "sw1",
                            "1.3.6.1.2.1.2.2.1.10.1", "c", "4294967295"],
            "snmptrap-v2c": ["-v2c", "-c", "public", "127.0.0.1:162", "300",
                             "1.3.6.1.6.3.1.1.5.3", "1.3.6.1.2.1.2.2.1.1.1", "i", "1",
                             "1.3.6.1.2.1.4.20.1.1.127.0.0.1", "a", "127.0.0.1"],
        }
        for name, args in traps.items():
            subprocess.run(["snmptrap"] + args, check=True, env=ENV)
            write(PARSER, name + ".bin", listener.recv(70000))


def write_made():
    message = snmp_wire.message
    request = snmp_wire.apply_request(b"private")
    reply = snmp_wire.reply()
    made = {
        "apply-request": request,
        "reply-applied": reply,
        "reply-error-status-2": snmp_wire.reply(error_status=2),
        "reply-other-id": snmp_wire.reply(request_id=124),
        "reply-long-community": snmp_wire.reply(community=b"c" * 300),
        "every-value-type": message(b"public", 0xA2, 1, bindings=b"".join(
            tlv(0x30, b"\x06\x01\x2b" + value) for value in [
                bytes.fromhex("0201ff"), bytes.fromhex("04026869"), bytes.fromhex("06022b06"),
                bytes.fromhex("40040a000001"), bytes.fromhex("410500ffffffff"),
                bytes.fromhex("420107"), bytes.fromhex("43040000012c"),
                bytes.fromhex("44024142"), bytes.fromhex("460900ffffffffffffffff"),
                bytes.fromhex("0500")])),
        "pdu-tag-a5": message(b"private", 0xA5, 123),
        "missing-version": tlv(0x30, bytes.fromhex("0406") + b"public" + bytes.fromhex("0466") +
                               b"A" * 102 + bytes.fromhex("0500")),
        "declared-length-too-long": bytes([0x30, len(reply) - 1]) + reply[2:],
        "length-84-ffffffff": bytes.fromhex("3084ffffffff") + reply[2:],
        "indefinite-length": bytes.fromhex("3080") + reply[2:],
        "five-length-octets": bytes.fromhex("30850000000000")[:6] + bytes([len(reply) - 2]) +
                              reply[2:],
        "tag-run-to-end": bytes.fromhex("30059fffffffff"),
        "list-longer-than-datagram": tlv(0x30, bytes.fromhex("020100") + tlv(0x04, b"p") +
                                         tlv(0xA2, bytes.fromhex("02017b020100020100307f"))),
        "empty-bindings": message(b"p", 0xA2, 123, bindings=bytes.fromhex("300405000500") * 300),
        "zero-and-long-integers": tlv(0x30, bytes.fromhex("020100") + tlv(0x04, b"p") + tlv(
            0xA2, bytes.fromhex("0200020900000000000000007b020100") + tlv(0x30, b""))),
    }
    for name, data in made.items():
        write(PARSER, name + ".bin", data)

    values = {
        # First byte: the class (0 INTEGER ... 8 Opaque); the rest: its encoding, or the text.
        "integer": b"\x00" + bytes.fromhex("0202ff7f"),
        "timeticks": b"\x01" + bytes.fromhex("43040000012c"),
        "counter": b"\x02" + bytes.fromhex("410500ffffffff"),
        "gauge": b"\x03" + bytes.fromhex("420107"),
        "counter64": b"\x04" + bytes.fromhex("460900ffffffffffffffff"),
        "oid": b"\x05" + bytes.fromhex("060d2b060104018e50020102010200"),
        "string": b"\x06" + bytes.fromhex("040568656c6c6f"),
        "ipaddress": b"\x07" + bytes.fromhex("40040a010203"),
        "opaque": b"\x08" + bytes.fromhex("44034100ff"),
        "dotted-apply-oid": b"\x05" + b"1.3.6.1.4.1.1872.2.1.2.1.2.0",
        "dotted-large-arcs": b"\x05" + b"2.999.4294967295.268435456.-1",
        "dotted-address": b"\x07" + b"192.0.2.1",
        "dotted-odd": b"\x07" + b" +300..1.2.3.4.5.",
    }
    for name, data in values.items():
        write(VALUES, name + ".bin", data)


if __name__ == "__main__":
    write_made()
    if "--made-only" not in sys.argv:
        capture_real()
