#!/usr/bin/env python3
"""Writes the brain-edit scripts of the hidden brains that drive the levels' own animals,
and with --check QUORBIT_CLI confirms every synapse and wire came out as meant.

Usage: hidden_brains.py [--check QUORBIT_CLI]

hunter.txt, built into worlds/hunter.brx: the bunker's spider (levels 500, 505, 508).
  It waits in its lair looking round, hunts a worm that comes within five steps of its
  eye, and where it loses sight of one it stays and looks round again.
  Hunting (Got Food 0): S (threshold 50, Eye 100) fires while a worm end is seen within
  five steps; HuntF (S 100, Got Food -100) walks on toward it; Scan (threshold 0,
  S -100, Got Food -100) turns left until one is seen. A worm it walks into is grabbed
  and wrestled by the body.
  Carrying (Got Food 100): AH (threshold 91, Home Dist 100) fires within a step of home;
  HomeF (Got Food 100, AH -100) walks, HL and HR (threshold 52, Got Food 50, Home Dir
  40 or -40, AH -100) turn toward home. Within a step of home every muscle is off, so
  the body steps onto its home spot and eats.
  FWD (HuntF 100, HomeF 100) => Go Fwd; TL (Scan 100, HL 100) => Turn Left;
  HR => Turn Right."""
import os
import sys

from make_scripts import Brain, check

HERE = os.path.dirname(os.path.abspath(__file__))
HUNTER_IN = {"Bump": 4, "Eye": 7, "Home Dist": 16, "Got Food": 18, "Home Dir": 19}
HUNTER_OUT = {"Go Fwd": 4, "Turn Left": 5, "Turn Right": 6, "Go Back": 19}
HUNTER_MASKS = ("D0090", "80070")


def hunter():
    # The neurons first, then the synapses, each neuron taking at most one from below
    # (through its lower left corner): they stand where their sources lie as drawn.
    b = Brain(HUNTER_IN, HUNTER_OUT, *HUNTER_MASKS)
    for name, x, y, th in (("S", 12, 7, 50), ("AH", 16, 21, 91), ("HuntF", 26, 3, 50), ("Scan", 26, 7, 0),
                           ("HomeF", 26, 11, 50), ("HL", 26, 15, 52), ("HR", 26, 19, 52), ("FWD", 38, 5, 50),
                           ("TL", 38, 11, 50)):
        b.neuron(name, x, y, th)
    for src, dst, w in (("Eye", "S", 100), ("Home Dist", "AH", 100),
                        ("S", "HuntF", 100), ("Got Food", "HuntF", -100),
                        ("S", "Scan", -100), ("Got Food", "Scan", -100),
                        ("Got Food", "HomeF", 100), ("AH", "HomeF", -100),
                        ("Home Dir", "HL", 40), ("Got Food", "HL", 50), ("AH", "HL", -100),
                        ("Home Dir", "HR", -40), ("Got Food", "HR", 50), ("AH", "HR", -100),
                        ("HuntF", "FWD", 100), ("HomeF", "FWD", 100),
                        ("Scan", "TL", 100), ("HL", "TL", 100)):
        b.synapse(src, dst, w)
    b.wire("FWD", "Go Fwd")
    b.wire("TL", "Turn Left")
    b.wire("HR", "Turn Right")
    return b


def main():
    cli = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == "--check" else None
    b = hunter()
    path = os.path.join(HERE, "hunter.txt")
    with open(path, "w") as f:
        f.write("# Hidden brain of the bunker's spider (see hidden_brains.py), for quorbit-cli brain-edit:\n"
                "#   brain-edit - --inputs %s --outputs %s --script hunter.txt --save hunter.brx\n"
                "# Written by hidden_brains.py.\n" % HUNTER_MASKS)
        f.write(b.text())
    if cli:
        problem = check(cli, "hunter", b, path)
        if problem:
            print(problem)
            return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
