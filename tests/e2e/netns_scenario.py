"""Runs one end-to-end scenario inside a private network namespace and prints the result as JSON.

e2e_test.py starts it as `unshare -rnm -- python3 netns_scenario.py '<scenario json>'`, so the
namespace holds only a loopback interface, brought up here, and its own view of /etc/hosts and
/etc/resolv.conf. Nothing it does reaches the machine's network.

Scenario keys:
  tool       the command that runs the tool (a wrapper such as valgrind or wine, then the binary)
  args       the words after the program's name
  env        extra environment for the tool (TZ, say)
  agent      a scripted agent's behaviour on 127.0.0.1:161 (see ScriptedAgent), or absent
  snmpd      true to run Net-SNMP's snmpd as the switch on 127.0.0.1:161
  hosts      extra /etc/hosts lines
  pty        true to run the tool on a pseudo-terminal
  wine       true when the tool runs under Wine (see PrivateWine)
"""
import json
import os
import re
import select
import shutil
import socket
import subprocess
import sys
import tempfile
import threading
import time

import snmp_wire

APPLY_OID = ".1.3.6.1.4.1.1872.2.1.2.1.2.0"
SNMPD_CONF = f"""override -rw {APPLY_OID} integer 0
rwcommunity private 127.0.0.1
rocommunity public 127.0.0.1
"""


class ScriptedAgent(threading.Thread):
    """A UDP agent on 127.0.0.1:161 that records every datagram and answers the first one.

    Behaviours: applied, snmp-error, other-id, no-body, other-port, other-address, malformed,
    empty, oversize, silent, after-progress (replies once the progress text was seen, or after
    five seconds).
    """

    def __init__(self, behaviour, progress_seen):
        super().__init__(daemon=True)
        self.behaviour = behaviour
        self.progress_seen = progress_seen
        self.requests = []
        self.reply_sent_at = None
        self.progress_before_reply = None
        self.stopping = threading.Event()
        self.sock = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
        self.sock.bind(("127.0.0.1", 161))

    def run(self):
        while not self.stopping.is_set():
            ready, _, _ = select.select([self.sock], [], [], 0.05)
            if not ready:
                continue
            datagram, sender = self.sock.recvfrom(70000)
            self.requests.append(datagram.hex())
            if len(self.requests) == 1:
                self.answer(sender)

    def answer(self, sender):
        b = self.behaviour
        if b == "silent":
            return
        if b == "after-progress":
            self.progress_before_reply = self.progress_seen.wait(5)
        datagram = {
            "snmp-error": snmp_wire.reply(error_status=2),
            "other-id": snmp_wire.reply(request_id=124),
            "no-body": snmp_wire.reply(pdu_tag=0xA5),
            "malformed": snmp_wire.reply()[:30],
            "empty": b"",
            "oversize": snmp_wire.reply(community=b"c" * 5000),
        }.get(b, snmp_wire.reply())
        if b in ("other-port", "other-address"):
            other = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
            other.bind(("127.0.0.1", 1161) if b == "other-port" else ("127.0.0.2", 161))
            other.sendto(datagram, sender)
            other.close()
        else:
            self.sock.sendto(datagram, sender)
        self.reply_sent_at = time.monotonic()


class PrivateWine:
    """A Wine server of this namespace's own, its helper processes started apart from the tool.

    Wine processes find their server through a socket under /tmp/.wine-<uid>, and the server
    creates the sockets that Windows programs ask for. A server started outside this namespace
    would be found and reused, and the tool's datagrams would leave from the machine's network
    instead of this namespace's loopback. So the namespace gets a /tmp of its own before anything
    is put there, and its first Wine process starts a new server here. (Hiding only the server's
    directory is not enough: a server that has just started outside still wins its lock.) A tool
    or Wine prefix that lives under /tmp, as in a checkout there, is mounted back in its place.

    The server and the helper processes (services, device manager, ...) live on after the program
    that started them and keep its standard streams. Started by the tool they would hold its
    output pipe open, so they are started first, on /dev/null, and stopped at the end.
    """

    def __init__(self, env, tool):
        self.env = env
        prefix = env.get("WINEPREFIX", os.path.expanduser("~/.wine"))
        # The top folders under /tmp that hold the tool or the prefix, held open while /tmp is
        # covered, then mounted back at their own paths.
        kept = {}
        for path in (prefix, tool):
            parts = os.path.realpath(path).split("/")
            if len(parts) > 2 and parts[1] == "tmp":
                top = "/tmp/" + parts[2]
                kept.setdefault(top, os.open(top, os.O_PATH | os.O_DIRECTORY))
        subprocess.run(["mount", "-t", "tmpfs", "-o", "mode=1777", "tmpfs", "/tmp"], check=True)
        for top, fd in kept.items():
            os.makedirs(top)
            # The path of an open folder, as the kernel reads it: not a name to look up again.
            subprocess.run(["mount", "--no-canonicalize", "--bind", f"/proc/{os.getpid()}/fd/{fd}",
                            top], check=True)
            os.close(fd)

    def start(self):
        # A persistent server keeps the helpers running between wineboot and the tool.
        self.quietly(["wineserver", "-p"])
        self.quietly(["wineboot"])

    def stop(self):
        self.quietly(["wineserver", "-k"], check=False)  # ends the helpers and the server
        self.quietly(["wineserver", "-w"], check=False)

    def quietly(self, command, check=True):
        subprocess.run(command, stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                       stderr=subprocess.DEVNULL, env=self.env, check=check, timeout=60)


def private_file(directory, name, text, over):
    """Writes `text` to a file and mounts it over `over`, for this namespace only."""
    path = os.path.join(directory, name)
    with open(path, "w") as f:
        f.write(text)
    subprocess.run(["mount", "--bind", path, over], check=True)


def start_snmpd(directory):
    conf = os.path.join(directory, "snmpd.conf")
    with open(conf, "w") as f:
        f.write(SNMPD_CONF)
    env = dict(os.environ, MIBS="")  # loading no MIBs keeps snmpd from logging hundreds of warnings
    daemon = subprocess.Popen(
        ["snmpd", "-f", "-Lo", "-C", "-c", conf, f"--persistentDir={directory}/persist",
         "udp:127.0.0.1:161"],
        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=env)
    for _ in range(100):  # bounded: at most about 20 seconds
        if snmpget("public") is not None:
            return daemon
        time.sleep(0.1)
    daemon.kill()
    raise RuntimeError("snmpd did not answer")


def snmpget(community):
    probe = subprocess.run(
        ["snmpget", "-v1", "-c", community, "-t", "0.2", "-r", "0", "-Oqv", "127.0.0.1", APPLY_OID],
        capture_output=True, text=True, env=dict(os.environ, MIBS=""))
    return probe.stdout.strip() if probe.returncode == 0 else None


def run_on_pipe(command, env):
    tool = subprocess.run(command, stdin=subprocess.DEVNULL, capture_output=True, env=env,
                          timeout=120)
    return tool.stdout, tool.stderr, tool.returncode


CURSOR_FORWARD = re.compile(rb"\x1b\[(\d*)C")
OTHER_CONTROL = re.compile(rb"\x1b\[[0-9;?]*[A-Za-z]")


def screen_text(output):
    """The text a terminal shows for `output`. Wine's console draws on a terminal with control
    sequences (each blank as 'erase line, cursor right', the cursor hidden around each letter);
    a program that writes plain text is left as it is."""
    output = CURSOR_FORWARD.sub(lambda m: b" " * int(m.group(1) or 1), output)
    return OTHER_CONTROL.sub(b"", output)


def run_on_pty(command, env, progress_seen):
    """Runs the tool with its standard output on a terminal, noting when the progress text shows.
    Returns the text as the terminal shows it."""
    master, slave = os.openpty()
    tool = subprocess.Popen(command, stdin=subprocess.DEVNULL, stdout=slave,
                            stderr=subprocess.PIPE, env=env)
    os.close(slave)
    output = b""
    while True:
        try:
            chunk = os.read(master, 4096)
        except OSError:  # EIO once the tool has closed the terminal
            break
        if not chunk:
            break
        output += chunk
        if b"Sending request..." in screen_text(output) and not progress_seen.is_set():
            progress_seen.set()
    os.close(master)
    stderr = tool.stderr.read()
    return screen_text(output), stderr, tool.wait(timeout=120)


def main():
    scenario = json.loads(sys.argv[1])
    subprocess.run(["ip", "link", "set", "lo", "up"], check=True)
    env = dict(os.environ, **scenario.get("env", {}))
    # Before anything goes into /tmp.
    wine = PrivateWine(env, scenario["tool"][-1]) if scenario.get("wine") else None
    directory = tempfile.mkdtemp(prefix="vandrel-e2e-")
    result = {}
    try:
        hosts = "127.0.0.1 localhost\n" + "".join(line + "\n" for line in scenario.get("hosts", []))
        private_file(directory, "hosts", hosts, "/etc/hosts")
        # A resolver on loopback where nothing listens: a name lookup fails at once.
        private_file(directory, "resolv.conf", "nameserver 127.0.0.1\n", "/etc/resolv.conf")

        progress_seen = threading.Event()
        agent = daemon = None
        if scenario.get("agent"):
            agent = ScriptedAgent(scenario["agent"], progress_seen)
            agent.start()
        if scenario.get("snmpd"):
            daemon = start_snmpd(directory)

        if wine:
            wine.start()
        command = scenario["tool"] + scenario["args"]
        started = time.time()
        start = time.monotonic()
        if scenario.get("pty"):
            stdout, stderr, status = run_on_pty(command, env, progress_seen)
        else:
            stdout, stderr, status = run_on_pipe(command, env)
        result.update(
            stdout=stdout.decode("latin-1"), stderr=stderr.decode("latin-1"), status=status,
            started=started, elapsed=time.monotonic() - start)

        if agent:
            time.sleep(0.2)  # let a datagram still on its way arrive
            agent.stopping.set()
            agent.join()
            result.update(requests=agent.requests,
                          progress_before_reply=agent.progress_before_reply)
        if daemon:
            result["value_after"] = snmpget("public")
            daemon.terminate()
            daemon.wait(timeout=10)
    finally:
        if wine:
            wine.stop()
        shutil.rmtree(directory, ignore_errors=True)
    json.dump(result, sys.stdout)


if __name__ == "__main__":
    main()
