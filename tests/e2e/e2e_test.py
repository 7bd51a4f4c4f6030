"""End-to-end tests: the built tool, run as an operator runs it, against a scripted agent or
Net-SNMP's snmpd on 127.0.0.1:161, each test in a network namespace of its own.

Environment:
  VANDREL          path of the tool to test (required)
  VANDREL_WRAPPER  command put in front of the tool (valgrind ..., wine), split like a shell would;
                   under Wine each namespace runs a Wine server of its own (WINEPREFIX is kept)
  VANDREL_CRLF     1 when the tool ends its lines with CR LF (a Windows build)
"""
import datetime
import json
import os
import re
import shlex
import subprocess
import sys
import time
import unittest

import snmp_wire

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL = os.environ.get("VANDREL", "")
WRAPPER = shlex.split(os.environ.get("VANDREL_WRAPPER", ""))
CRLF = os.environ.get("VANDREL_CRLF") == "1"
WINE = bool(WRAPPER) and os.path.basename(WRAPPER[0]) in ("wine", "wine64")

BANNER = "\n  Vandrel version 1.2\n  Copyright (c) 2026 The Vandrel developers\n\n"
APPLIED = "Configuration changes applied\n"
SNMP_ERROR = "ERROR: Community string or SNMP error\n"
COMM_ERROR = "ERROR: Error communicating with the agent\n"
LOG_APPLIED = "changes applied\n"
LOG_SNMP_ERROR = "community string or SNMP error\n"
LOG_COMM_ERROR = "error communicating with the agent Vandrel\n"
LONG_NAME = "switch-in-the-far-corner-of-the-building.example"  # 48 characters


def announcement(agent, community):
    return (BANNER + "  Applying changes\n\n" + f"  Agent:\t{agent}\n" +
            f"  Community:\t{community}\n" + "\n  Sending request...")


def usage(shown_name):
    return (BANNER + "  A program to use SNMP to instruct an Alteon switch to apply changes.\n"
            f"\n  Usage:\t{shown_name} ipAddress community [-l]\n\n"
            "  Arguments:\tipAddress = IP address of switch (or DNS name)\n"
            "\t\tcommunity = SNMP read/write community name on switch\n"
            "\t\t[-l] = Output success/failure information in logfile format\n")


def run(args, agent=None, snmpd=False, hosts=(), env=None, pty=False):
    """Runs the tool with `args` in a fresh network namespace and returns what happened."""
    scenario = {"tool": WRAPPER + [TOOL], "args": list(args), "agent": agent, "snmpd": snmpd,
                "hosts": list(hosts), "env": env or {}, "pty": pty, "wine": WINE}
    inner = subprocess.run(
        ["unshare", "-rnm", "--", sys.executable, os.path.join(HERE, "netns_scenario.py"),
         json.dumps(scenario)], capture_output=True, text=True, timeout=180)
    if inner.returncode != 0:
        raise AssertionError(f"scenario failed:\n{inner.stderr}")
    result = json.loads(inner.stdout)
    if CRLF:
        result["stdout"] = result["stdout"].replace("\r\n", "\n")
    result["requests"] = [bytes.fromhex(r) for r in result.get("requests", [])]
    return result


class ToolTestCase(unittest.TestCase):
    def assertRun(self, result, stdout, status):
        self.assertEqual(stdout, result["stdout"])
        self.assertEqual("", result["stderr"])
        self.assertEqual(status, result["status"])


class ScriptedAgentTest(ToolTestCase):
    """Every outcome against a scripted agent, with the request checked byte for byte."""

    def test_outcomes_in_human_mode(self):
        cases = [
            ("applied", APPLIED, 0),
            ("snmp-error", SNMP_ERROR, 1),
            ("other-port", APPLIED, 0),  # a reply from any address or port is the reply
            ("other-address", APPLIED, 0),
            # Replies that do not answer our request, or that do not decode: no reply.
            ("other-id", COMM_ERROR, 1),
            ("no-body", COMM_ERROR, 1),
            ("malformed", COMM_ERROR, 1),
            ("empty", COMM_ERROR, 1),
            ("oversize", COMM_ERROR, 1),
        ]
        for behaviour, outcome, status in cases:
            with self.subTest(behaviour):
                result = run(["127.0.0.1", "private"], agent=behaviour)
                self.assertRun(result, announcement("127.0.0.1", "private") + outcome, status)
                self.assertEqual([snmp_wire.apply_request(b"private")], result["requests"])
                self.assertLess(result["elapsed"], 15)  # answered, not timed out

    def test_outcomes_in_log_mode(self):
        cases = [
            ("applied", LOG_APPLIED, 0),
            ("snmp-error", LOG_SNMP_ERROR, 1),
            ("other-id", LOG_COMM_ERROR, 1),
            ("malformed", LOG_COMM_ERROR, 1),
        ]
        for behaviour, outcome, status in cases:
            with self.subTest(behaviour):
                result = run(["127.0.0.1", "private", "-L"], agent=behaviour)
                self.assertRegex(result["stdout"],
                                 r"^\d{4}/\d\d/\d\d \d\d:\d\d:\d\d Switch 127\.0\.0\.1 ")
                self.assertTrue(result["stdout"].endswith(outcome), result["stdout"])
                self.assertEqual(1, result["stdout"].count("\n"))
                self.assertEqual("", result["stderr"])
                self.assertEqual(status, result["status"])

    def test_log_line_carries_the_local_start_time(self):
        # A zone 5 h 45 min east of UTC, in POSIX form: no time-zone database needed.
        result = run(["127.0.0.1", "private", "-l"], agent="applied", env={"TZ": "XST-5:45"})
        zone = datetime.timezone(datetime.timedelta(hours=5, minutes=45))
        stamp = datetime.datetime.strptime(result["stdout"][:19], "%Y/%m/%d %H:%M:%S")
        stamp = stamp.replace(tzinfo=zone).timestamp()
        self.assertLessEqual(result["started"] - 1, stamp)
        self.assertLessEqual(stamp, result["started"] + result["elapsed"] + 1)
        self.assertEqual(" Switch 127.0.0.1 changes applied\n", result["stdout"][19:])

    def test_request_bytes_for_several_community_lengths(self):
        for community in ["", "c", "community", "c" * 29, "c" * 30, "c" * 89, "c" * 200]:
            with self.subTest(len(community)):
                result = run(["127.0.0.1", community], agent="applied")
                self.assertEqual([snmp_wire.apply_request(community.encode())],
                                 result["requests"])
                self.assertEqual(0, result["status"])

    def test_long_agent_name_is_resolved_whole(self):
        # Only the whole name is in the hosts file; a name cut at 29 characters would not resolve.
        result = run([LONG_NAME, "private"], agent="applied", hosts=[f"127.0.0.1 {LONG_NAME}"])
        self.assertRun(result, announcement(LONG_NAME, "private") + APPLIED, 0)
        result = run([LONG_NAME, "private", "-l"], agent="applied",
                     hosts=[f"127.0.0.1 {LONG_NAME}"])
        self.assertTrue(result["stdout"].endswith(f" Switch {LONG_NAME} changes applied\n"))

    def test_unresolvable_name_is_reported_at_once(self):
        result = run(["no-such-switch.invalid", "private"], agent="applied")
        self.assertRun(result, announcement("no-such-switch.invalid", "private") + COMM_ERROR, 1)
        self.assertEqual([], result["requests"])
        self.assertLess(result["elapsed"], 10)

    def test_wrong_arguments_give_the_usage_text(self):
        forms = [[], ["127.0.0.1"], ["127.0.0.1", "private", "-x"],
                 ["127.0.0.1", "private", "-l", "more"]]
        for args in forms:
            with self.subTest(args):
                result = run(args, agent="applied")
                self.assertEqual(1, result["status"])
                self.assertEqual("", result["stderr"])
                self.assertEqual([], result["requests"])  # nothing was sent
                match = re.search(r"\n  Usage:\t(.*) ipAddress community \[-l\]\n", result["stdout"])
                self.assertIsNotNone(match, result["stdout"])
                shown = match.group(1)
                # The name as invoked, upper-cased (under a wrapper the platform decides the name).
                self.assertEqual(TOOL.upper() if not WRAPPER else shown.upper(), shown)
                self.assertEqual(usage(shown), result["stdout"])

    def test_two_words_with_a_community_of_dash_l_are_human_mode(self):
        result = run(["127.0.0.1", "-l"], agent="applied")
        self.assertRun(result, announcement("127.0.0.1", "-l") + APPLIED, 0)
        self.assertEqual([snmp_wire.apply_request(b"-l")], result["requests"])

    def test_progress_text_shows_while_the_tool_waits(self):
        # The agent holds its reply until the progress text has reached the terminal.
        result = run(["127.0.0.1", "private"], agent="after-progress", pty=True)
        self.assertTrue(result["progress_before_reply"])
        self.assertEqual(0, result["status"])
        self.assertIn("Sending request...Configuration changes applied",
                      result["stdout"].replace("\r", ""))


class NoReplyTest(ToolTestCase):
    """A silent agent: the tool waits its full 30 seconds, then reports the failure."""

    def test_silent_agent(self):
        result = run(["127.0.0.1", "private", "-l"], agent="silent")
        self.assertTrue(result["stdout"].endswith(" Switch 127.0.0.1 " + LOG_COMM_ERROR))
        self.assertEqual(1, result["status"])
        self.assertGreaterEqual(result["elapsed"], 29.5)
        self.assertLess(result["elapsed"], 45)
        # The stamp is the start of the run, not the end of the wait.
        stamp = time.mktime(time.strptime(result["stdout"][:19], "%Y/%m/%d %H:%M:%S"))
        self.assertLess(abs(stamp - result["started"]), 5)


class SnmpdTest(ToolTestCase):
    """Interoperability with a real SNMP agent: Net-SNMP's snmpd as a simulated switch."""

    def test_read_write_community_applies(self):
        result = run(["127.0.0.1", "private"], snmpd=True)
        self.assertRun(result, announcement("127.0.0.1", "private") + APPLIED, 0)
        self.assertEqual("2", result["value_after"])

    def test_read_only_community_is_an_snmp_error(self):
        result = run(["127.0.0.1", "public"], snmpd=True)
        self.assertRun(result, announcement("127.0.0.1", "public") + SNMP_ERROR, 1)
        self.assertEqual("0", result["value_after"])

    def test_unknown_community_times_out(self):
        result = run(["127.0.0.1", "nobody", "-l"], snmpd=True)
        self.assertTrue(result["stdout"].endswith(" Switch 127.0.0.1 " + LOG_COMM_ERROR))
        self.assertEqual(1, result["status"])
        self.assertGreaterEqual(result["elapsed"], 29.5)


if __name__ == "__main__":
    if not TOOL:
        sys.exit("set VANDREL to the tool to test")
    unittest.main()
