#!/usr/bin/env python3
"""Writes the brain-edit scripts of the reference brains of book 4's garden objects with
a test (the ball, the cube, the gate and the push button: w404, w406, w408, w409 and
their mistakes) and of the hidden brain that walks the ladybug through the gate of level
408; with --check QUORBIT_CLI confirms every synapse and wire came out as meant.
The wiring is described in ../README.txt.

Usage: garden_tests.py [--check QUORBIT_CLI]"""
import os
import sys

from make_scripts import Brain, bug, check, header, simple

HERE = os.path.dirname(os.path.abspath(__file__))
GATE_IN = {"Mid Angle": 11, "Trigger": 24}
GATE_OUT = {"Bend Left": 17, "Bend Right": 18}


def pusher(b):
    """Walks on into whatever is ahead, so a ball or cube in the way is pushed along."""
    b.neuron("A", 12, 4, 0)
    b.wire("A", "Go Fwd")


def bump_turner(b, turn):
    """Book 2's pen bug: walks until bumped, and turns while the bump lasts."""
    simple(b, "G", 0, [("Bump", -100)], ["Go Fwd"])
    simple(b, "T", 50, [("Bump", 100)], [turn], y=10)


def brains():
    B = {}
    # The ball and the cube: walking on pushes them on; a bug that turns away at the
    # bump gives them a single nudge.
    for level in ("w404", "w406"):
        b = bug("10"); pusher(b); B[level] = b
        b = bug("10"); bump_turner(b, "Turn Left"); B[level + "f"] = b
    # The gate opens (Bend Right) while its trigger feels the ladybug and closes (Bend
    # Left) once she has gone; it swings until it meets a stone or the fence.
    for key, closes in (("w408", True), ("w408f", False)):
        b = Brain(GATE_IN, GATE_OUT, "1000800", "60000")
        simple(b, "O", 50, [("Trigger", 100)], ["Bend Right"])
        if closes:
            simple(b, "C", 0, [("Trigger", -100)], ["Bend Left"], y=13)
        B[key] = b
    # The push button stands by the pen's fence with its face toward a bug that goes
    # round the pen turning left at each bump; turning right brings her to its back.
    for key, turn in (("w409", "Turn Left"), ("w409f", "Turn Right")):
        b = bug("10"); bump_turner(b, turn); B[key] = b
    return B


def walker():
    """The ladybug of level 408: walks ahead and stands while she bumps into something."""
    b = bug("10")
    simple(b, "G", 0, [("Bump", -100)], ["Go Fwd"])
    return b


def main():
    cli = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == "--check" else None
    failures = []
    for key, b in sorted(brains().items()):
        path = os.path.join(HERE, key + ".txt")
        with open(path, "w") as f:
            f.write(header(key, b).replace("make_scripts.py", "garden_tests.py") + b.text())
        if cli:
            problem = check(cli, key, b, path)
            if problem:
                failures.append(problem)
    b = walker()
    path = os.path.join(HERE, "ladywalk.txt")
    with open(path, "w") as f:
        f.write("# Hidden brain of the ladybug at the gate of level 408 (see garden_tests.py), for brain-edit:\n"
                "#   brain-edit - --inputs %s --outputs %s --script ladywalk.txt --save ladywalk.brx\n"
                % (b.in_mask, b.out_mask) + b.text())
    if cli:
        problem = check(cli, "ladywalk", b, path)
        if problem:
            failures.append(problem)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
