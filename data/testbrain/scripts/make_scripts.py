#!/usr/bin/env python3
"""Writes the brain-edit scripts of the reference brains (w<level>.txt, w<level>f.txt)
from the wiring in ../README.txt, and with --check runs each through quorbit-cli to
confirm every synapse and wire came out as meant.

Usage: make_scripts.py [--check QUORBIT_CLI]

Layout: input nodes stay where the board puts them (column 3, rows 4, 7, 10, ...);
output nodes are dragged to column 50. Routes are drawn with the mouse as a learner
would: straight runs and 45-degree runs, one waypoint per run."""
import json, os, subprocess, sys, tempfile

from island_brains import island_brains

HERE = os.path.dirname(os.path.abspath(__file__))
CELL = 16
OUT_X = 50
DX = [1, 1, 0, -1, -1, -1, 0, 1]
DY = [0, 1, 1, 1, 0, -1, -1, -1]

LAB_IN = {"Switch 1": 0, "Switch 2": 1, "Slider": 2, "Target 1": 28}
LAB_IN.update({"Point %d" % (k + 1): 32 + k for k in range(10)})
LAB_IN.update({"Category %d" % k: 42 + k for k in range(10)})
LAB_IN.update({"Eyes": 8, "Leg Pos": 9, "Glass": 58})
LAB_OUT = {"Light 1": 0, "Light 2": 1, "Light 3": 2, "Light 4": 3, "Raise Leg": 7, "Lower Leg": 8, "Heart": 12,
           "Chamber 1": 9, "Chamber 2": 10, "Chamber 3": 11, "Arm Up": 31, "Arm Down": 32}
BUG_IN = {"Branch Fwd": 3, "Bump": 4, "Branch Left": 5, "Branch Right": 6, "Eye": 7,
          "Smell Left": 14, "Smell Right": 15}
BUG_OUT = {"Go Fwd": 4, "Turn Left": 5, "Turn Right": 6}
WORM_IN = {"Mid Height": 10, "Mid Angle": 11, "Bump Nose": 12, "Smell Left": 14, "Smell Right": 15,
           "Energy": 17, "Spider Left": 21, "Spider Right": 22, "Trigger": 24}
WORM_OUT = {"Raise Mid": 13, "Lower Mid": 14, "Grab Front": 15, "Grab Back": 16, "Bend Left": 17,
            "Bend Right": 18}
SPIDER_IN = {"Bump": 4, "Eye": 7, "Home Dist": 16, "Got Food": 18}
CANNON_IN = {"Smell Left": 14, "Smell Right": 15}
CANNON_OUT = {"Go Fwd": 4, "Turn Left": 5, "Turn Right": 6, "Go Back": 19, "Fire": 20}
SPIDER_OUT = {"Go Fwd": 4, "Turn Left": 5, "Turn Right": 6, "Go Back": 19}
LETTER_OUT = {"Letter": 22, "Turn Letter": 23, "Letter X": 24, "Letter Y": 25}
BULB_OUT = {"Light Bulb": 35}
VEHICLE_IN = {"Eyes": 8, "Left Light": 60, "Right Light": 61}
VEHICLE_OUT = {"Go Fwd": 4, "Left Motor": 33, "Right Motor": 34, "Light Bulb": 35}


BEER_DECAY = 7.5


class RouteError(Exception):
    pass


def px(c):
    return c * CELL + CELL // 2


class Brain:
    def __init__(self, inputs, outputs, in_mask, out_mask):
        self.in_mask, self.out_mask = in_mask, out_mask
        self.lines = []
        self.in_rows = self.rows(inputs, in_mask)
        self.out_rows = self.rows(outputs, out_mask)
        self.neurons = {}
        self.used = {}  # (x, y) of an element -> used slots
        self.expect = []  # (kind, source, target, slot or None, weight)
        self.channels_in = inputs
        self.channels_out = outputs
        visible = 355 // CELL
        for name, row in self.out_rows.items():
            self.say("# %s output node to column %d" % (name, OUT_X))
            self.drag(visible - 5, row, OUT_X, row)

    @staticmethod
    def rows(channels, mask):
        """Channel nodes stand in channel order from row 4, three rows apart."""
        offered = sorted((ch, name) for name, ch in channels.items() if (int(mask, 16) >> ch) & 1)
        return {name: 4 + 3 * i for i, (ch, name) in enumerate(offered)}

    def say(self, line):
        self.lines.append(line)

    def drag(self, x0, y0, x1, y1):
        self.say("down %d %d left" % (px(x0), px(y0)))
        self.say("move %d %d" % (px(x1), px(y1)))
        self.say("up %d %d left" % (px(x1), px(y1)))

    def neuron(self, name, x, y, threshold):
        self.say("# %s" % name)
        self.say("add neuron %d %d" % (x, y))
        if threshold != 50:
            self.say("neuron %d %d threshold %g" % (x, y, threshold))
        self.neurons[name] = (x, y, threshold)

    def source_cells(self, name, slot):
        """Pressed cell, first segment and its heading for a route from `name`'s slot."""
        if name in self.in_rows:
            x, y = 3, self.in_rows[name]
            return (x, y), (x + DX[slot], y + DY[slot]), (x + DX[slot], y + DY[slot])
        x, y = self.neurons[name][:2]
        return (x, y), (x + DX[slot], y + DY[slot]), (x + 2 * DX[slot], y + 2 * DY[slot])

    def connect(self, src, ends):
        """Draws a route from a free slot of `src` to the first reachable of `ends`
        ((cell, final heading, key, slot) each); returns the end used."""
        for end, final, key, slot in ends:
            if key is not None and slot in self.used.setdefault(key, set()):
                continue
            for s in (0, 7, 1, 6, 2):
                owner, pressed, start = self.source_cells(src, s)
                if s in self.used.setdefault(owner, set()):
                    continue
                try:
                    points = self.route(start, s, end, final)
                except RouteError:
                    continue
                self.used[owner].add(s)
                if key is not None:
                    self.used[key].add(slot)
                self.say("down %d %d left" % (px(pressed[0]), px(pressed[1])))
                for p in points:
                    self.say("move %d %d" % (px(p[0]), px(p[1])))
                self.say("up %d %d left" % (px(end[0]), px(end[1])))
                return end, slot
        raise SystemExit("no route from %s to %s" % (src, [e[0] for e in ends]))

    def row_of(self, name):
        return self.in_rows[name] if name in self.in_rows else self.neurons[name][1]

    def route(self, start, heading, end, final):
        """Waypoints from `start` (entered with `heading`) to `end`, arriving with
        `final` (0, 1, 7 or None), in straight and diagonal runs."""
        x, y = start
        points = []

        def run(d, n):
            nonlocal x, y
            if n <= 0:
                return
            x, y = x + DX[d] * n, y + DY[d] * n
            points.append((x, y))

        if heading in (2, 6):
            run(1 if heading == 2 else 7, 1)
            heading = 1 if heading == 2 else 7
        dy = end[1] - y
        diag = 1 if dy > 0 else 7
        if heading in (1, 7) and heading != diag and dy != 0:
            run(0, 1)
            heading = 0
        dy = end[1] - y
        flat = end[0] - x - abs(dy)
        if flat < 0 or (final == 0 and dy != 0 and flat < 1):
            raise RouteError()
        if final in (1, 7):
            if dy == 0 or (1 if dy > 0 else 7) != final:
                raise RouteError()
            run(0, flat)
            run(diag, abs(dy))
        elif final == 0 or heading in (1, 7):
            run(diag, abs(dy))
            run(0, flat)
        else:
            run(0, flat)
            run(diag, abs(dy))
        if (x, y) != tuple(end):
            raise RouteError()
        return points

    def synapse(self, src, dst, weight):
        """src -> dst (weight) into a free slot of dst on its left side."""
        tx, ty = self.neurons[dst][:2]
        ends = [((tx + DX[slot], ty + DY[slot]), final, (tx, ty), slot) for slot, final in ((4, 0), (5, 1), (3, 7))]
        self.say("# %s -> %s (%g)" % (src, dst, weight))
        end, slot = self.connect(src, ends)
        if weight != 100:
            self.say("synapse %d %d weight %g" % (end[0], end[1], weight))
        self.expect.append(("synapse", src, dst, slot, weight))

    def back_synapse(self, src, dst, weight, points):
        """src -> dst (weight) along a hand-drawn route that runs back to the left; it leaves
        src downward (slot 2) and enters dst from the west (slot 4) at the route's last point."""
        x, y = self.neurons[src][:2]
        tx, ty = self.neurons[dst][:2]
        assert points[-1] == (tx - 1, ty)
        self.used.setdefault((x, y), set()).add(2)
        self.used.setdefault((tx, ty), set()).add(4)
        self.say("# %s -> %s (%g), back round" % (src, dst, weight))
        self.say("down %d %d left" % (px(x), px(y + 1)))
        for p in points:
            self.say("move %d %d" % (px(p[0]), px(p[1])))
        self.say("up %d %d left" % (px(tx - 1), px(ty)))
        if weight != 100:
            self.say("synapse %d %d weight %g" % (tx - 1, ty, weight))
        self.expect.append(("synapse", src, dst, 4, weight))

    def wire(self, src, out):
        self.say("# %s => %s" % (src, out))
        self.connect(src, [((OUT_X, self.out_rows[out]), None, None, None)])
        self.expect.append(("wire", src, out, None, None))

    def text(self):
        return "\n".join(self.lines) + "\n"


def lab(mask_in, mask_out):
    return Brain(LAB_IN, LAB_OUT, mask_in, mask_out)


def bug(mask_in):
    return Brain(BUG_IN, BUG_OUT, mask_in, "70")


def worm(mask_in, mask_out):
    return Brain(WORM_IN, WORM_OUT, mask_in, mask_out)


def spider(mask_in):
    return Brain(SPIDER_IN, SPIDER_OUT, mask_in, "80070")


def crawler(b, up_grip, down_grip):
    """The body's own oscillator: Up raises while the middle is low, Down lowers once
    it is high; each grips one end."""
    simple(b, "U", -49, [("Mid Height", -100)], ["Raise Mid", up_grip])
    simple(b, "D", 50, [("Mid Height", 100)], ["Lower Mid", down_grip], y=10)


def smell_steer(b, step):
    """Book 5, the smell page: SL fires when Smell Left beats Smell Right, SR is its
    mirror; each ANDed with a step asks for a bend toward its side. On the back-gripping
    step (D) the front half swings that way; on the front-gripping step (U) the back half
    does, and the worm turns away from the food."""
    simple(b, "SL", 1, [("Smell Left", 100), ("Smell Right", -100)], [], x=18, y=14)
    simple(b, "SR", 1, [("Smell Right", 100), ("Smell Left", -100)], [], x=18, y=20)
    simple(b, "TL", 75, [(step, 50), ("SL", 50)], ["Bend Left"], x=34, y=8)
    simple(b, "TR", 75, [(step, 50), ("SR", 50)], ["Bend Right"], x=34, y=18)


def bunker_turning_brains(B):
    """Book 5: turning by bending, steering by smell, keeping off poison."""
    # Down also bends left: the front half swings left on every back-gripping step and the
    # bend eases while the front grips, so the worm crawls a wide ring. Bending right on the
    # front-gripping step as well turns it on the spot.
    for key, both in (("w502", False), ("w502f", True)):
        b = worm("400", "7E000")
        crawler(b, "Grab Front", "Grab Back")
        b.wire("D", "Bend Left")
        if both:
            b.wire("U", "Bend Right")
        B[key] = b
    for key, step in (("w503", "D"), ("w503f", "U")):
        b = worm("D400", "7E000")
        crawler(b, "Grab Front", "Grab Back")
        smell_steer(b, step)
        B[key] = b
    # Trigger reads 100 while the worm is on the poisoning patch; through -100 into Up and
    # Down it stops the crawl there, at the patch's edge. Without it the smell leads on to
    # the poisoned mushroom.
    for key, stop in (("w504", True), ("w504f", False)):
        b = worm("102C400", "7E000")
        halt = [("Trigger", -100)] if stop else []
        simple(b, "U", -49, [("Mid Height", -100)] + halt, ["Raise Mid", "Grab Front"], x=26)
        simple(b, "D", 50, [("Mid Height", 100)] + halt, ["Lower Mid", "Grab Back"], x=26, y=10)
        smell_steer(b, "D")
        B[key] = b


def flee_spider(b):
    """Turns away from the stronger spider side: to turn right, bend right on the
    back-gripping step (D) and left on the front-gripping one (U); mirrored to turn left."""
    simple(b, "SL", 1, [("Spider Left", 100), ("Spider Right", -100)], [], x=18, y=14)
    simple(b, "SR", 1, [("Spider Right", 100), ("Spider Left", -100)], [], x=18, y=20)
    simple(b, "RF", 75, [("U", 50), ("SL", 50)], [], x=34, y=4)
    simple(b, "LB", 75, [("D", 50), ("SR", 50)], [], x=34, y=10)
    simple(b, "RB", 75, [("D", 50), ("SL", 50)], [], x=34, y=16)
    simple(b, "LF", 75, [("U", 50), ("SR", 50)], [], x=34, y=22)
    simple(b, "BL", 50, [("RF", 100), ("LB", 100)], ["Bend Left"], x=42, y=7)
    simple(b, "BR", 50, [("RB", 100), ("LF", 100)], ["Bend Right"], x=42, y=19)


def bunker_challenge_brains(B):
    """Book 5, the bunker challenge: page 1's crawler, page 3's smell steering and page 5's
    turning away from the spider. F fires while the spider is felt at all and silences the
    smell, so turning away comes first. The mistake follows its nose alone, on to the
    mushroom by the lair, and is caught."""
    for key, flee in (("w508", True), ("w508f", False)):
        b = worm("60C400", "7E000")
        crawler(b, "Grab Front", "Grab Back")
        quiet = []
        if flee:
            simple(b, "F", 1, [("Spider Left", 100), ("Spider Right", 100)], [], x=12, y=16)
            simple(b, "FL", 1, [("Spider Left", 100), ("Spider Right", -100)], [], x=20, y=18)
            simple(b, "FR", 1, [("Spider Right", 100), ("Spider Left", -100)], [], x=20, y=22)
            quiet = [("F", -100)]
        simple(b, "SL", 1, [("Smell Right", -100), ("Smell Left", 100)] + quiet, [], x=26, y=8)
        simple(b, "SR", 1, [("Smell Right", 100), ("Smell Left", -100)] + quiet, [], x=26, y=12)
        simple(b, "TL", 75, [("D", 50), ("SL", 50)], [], x=34, y=6)
        simple(b, "TR", 75, [("D", 50), ("SR", 50)], [], x=34, y=10)
        left, right = ["TL"], ["TR"]
        if flee:
            # D already feeds two muscles and TL, TR: D2 repeats it for the two flee steps.
            simple(b, "D2", 50, [("D", 100)], [], x=20, y=14)
            simple(b, "RB", 75, [("D2", 50), ("FL", 50)], [], x=34, y=14)
            simple(b, "RF", 75, [("U", 50), ("FL", 50)], [], x=34, y=18)
            simple(b, "LB", 75, [("D2", 50), ("FR", 50)], [], x=34, y=22)
            simple(b, "LF", 75, [("U", 50), ("FR", 50)], [], x=34, y=26)
            left, right = ["LB", "RF", "TL"], ["TR", "RB", "LF"]
        simple(b, "BL", 50, [(n, 100) for n in left], ["Bend Left"], x=42, y=12)
        simple(b, "BR", 50, [(n, 100) for n in right], ["Bend Right"], x=42, y=20)
        B[key] = b


def simple(b, name, th, inputs, outs, x=12, y=None):
    b.neuron(name, x, y if y is not None else b.row_of(inputs[0][0]), th)
    for src, w in inputs:
        b.synapse(src, name, w)
    for o in outs:
        b.wire(name, o)


def xor_layer(b):
    b.neuron("H1", 12, 4, 50)
    b.neuron("H2", 12, 10, 50)
    b.neuron("O", 20, 7, 50)
    b.synapse("Switch 1", "H1", 100)
    b.synapse("Switch 2", "H1", -100)
    b.synapse("Switch 2", "H2", 100)
    b.synapse("Switch 1", "H2", -100)
    b.synapse("H1", "O", 100)
    b.synapse("H2", "O", 100)
    b.wire("O", "Light 1")


def learner(b, name, gain=0.1):
    """Turns a wired neuron into a learning Sigmoid neuron (its synapses learn too)."""
    x, y = b.neurons[name][:2]
    b.say("neuron %d %d learn on" % (x, y))
    b.say("neuron %d %d gain %g" % (x, y, gain))


def error_calc(b, name, x, y, output, target, same_sign=False, target_first=False):
    """An Error neuron: the output minus its target."""
    b.neuron(name, x, y, 50)
    if target_first:
        b.synapse(target, name, 100 if same_sign else -100)
    b.synapse(output, name, 100)
    if not target_first:
        b.synapse(target, name, 100 if same_sign else -100)
    b.say("neuron %d %d type Error" % (x, y))


def learning_gate(b, kind):
    """Book 6, pages 1 to 3: a Sigmoid neuron learns the scope's Target 1; a Step neuron
    behind it gives the lamp the clean 100 or 0 that the scope wants."""
    b.say("settings rate 0.05")
    b.say("settings momentum 5")
    if kind == "hidden":
        b.neuron("H1", 12, 4, 10)
        b.neuron("H2", 12, 10, 10)
        b.synapse("Switch 1", "H1", 30)
        b.synapse("Switch 2", "H1", -20)
        b.synapse("Switch 2", "H2", 30)
        b.synapse("Switch 1", "H2", -20)
        b.neuron("O", 20, 7, 10)
        b.synapse("H1", "O", 20)
        b.synapse("H2", "O", 20)
        learner(b, "H1")
        learner(b, "H2")
    else:
        b.neuron("O", 12, 5, 0)
        b.synapse("Switch 1", "O", 10)
        b.synapse("Switch 2", "O", 10)
    learner(b, "O")
    error_calc(b, "E", 30, 12, "O", "Target 1", same_sign=(kind == "same sign"))
    if kind == "no step":
        b.wire("O", "Light 1")
    else:
        simple(b, "L", 50, [("O", 100)], ["Light 1"], x=30, y=4)


# Which Points each digit's neuron reads (its two telling directions of the three), the
# Points in the order their synapses are drawn, and where the neurons stand.
DIGIT_POINTS = {0: (3, 2), 1: (3, 2), 2: (2, 1)}
DIGIT_CELLS = {0: ((12, 9), (40, 9)), 1: ((24, 14), (40, 14)), 2: ((34, 19), (40, 19))}


def digit_brain(b, digits, swap=False, lazy=None):
    """Book 6, pages 5 and 6: per digit d a learning Sigmoid neuron on two of Points 1 to 3
    (the samples are drawn with "Points" 3), an Error neuron against Category d, and a
    Step neuron that lights lamp d + 1. `swap` compares each with the other digit's
    category; `lazy` names a digit whose neuron was left without its learn box."""
    b.say("settings rate 0.05")
    b.say("settings momentum 5")
    for d in digits:
        (x, y), (lx, ly) = DIGIT_CELLS[d]
        name = "O%d" % d
        b.neuron(name, x, y, 0)
        for p in DIGIT_POINTS[d]:
            b.synapse("Point %d" % p, name, 10)
        if d != lazy:
            learner(b, name)
        else:
            b.say("neuron %d %d type Sigmoid" % (x, y))
            b.say("neuron %d %d gain 0.1" % (x, y))
        simple(b, "L%d" % d, 50, [(name, 100)], ["Light %d" % (d + 1)], x=lx, y=ly)
    for k, d in enumerate(digits):
        target = digits[(k + 1) % len(digits)] if swap else d
        error_calc(b, "E%d" % d, 70 + 6 * d, 34 + 3 * d, "O%d" % d, "Category %d" % target, target_first=True)


def leg_brains(B):
    """Book 4: the leg (Raise Leg and Lower Leg; Eyes always, Leg Pos on level 402)."""
    for key, muscle in (("w401", "Raise Leg"), ("w401f", "Lower Leg")):
        b = lab("100", "180"); b.neuron("A", 12, 4, 0); b.wire("A", muscle); B[key] = b
    b = lab("300", "180"); simple(b, "R", -45, [("Leg Pos", -100)], ["Raise Leg"]); B["w402"] = b
    b = lab("300", "180"); b.neuron("A", 12, 4, 0); b.wire("A", "Raise Leg"); B["w402f"] = b
    b = lab("100", "180"); simple(b, "R", 50, [("Eyes", 100)], ["Raise Leg"]); B["w403"] = b
    b = lab("100", "180"); b.neuron("A", 12, 4, 0); b.wire("A", "Raise Leg"); B["w403f"] = b
    for key, pair in (("w415", True), ("w415f", False)):
        b = lab("102", "180")
        simple(b, "R", 50, [("Switch 2", 100)], ["Raise Leg"])
        if pair:
            simple(b, "L", 0, [("Switch 2", -100)], ["Lower Leg"], y=10)
        B[key] = b


def heart_brains(B):
    """Book 4, page 5: a ring of two neurons beats the one-chamber heart."""
    for key, ring in (("w405", True), ("w405f", False)):
        b = lab("0", "1000")
        b.neuron("A", 12, 4, 0)
        if ring:
            b.neuron("B", 20, 4, 50)
            b.synapse("A", "B", 100)
            b.back_synapse("B", "A", -100, [(20, 7), (19, 8), (9, 8), (8, 7), (8, 5), (9, 4), (11, 4)])
        b.wire("A", "Heart")
        B[key] = b
    # Page 10: a ring of three squeezes the chambers in turn; squeezing all three at once
    # pushes out what they hold and then nothing.
    for key, ring in (("w410", True), ("w410f", False)):
        b = lab("0", "E00")
        b.neuron("A", 12, 4, 0)
        if ring:
            b.neuron("B", 20, 4, 50)
            b.neuron("C", 28, 4, 50)
            b.synapse("A", "B", 100)
            b.synapse("B", "C", 100)
            b.back_synapse("C", "A", -100, [(28, 7), (27, 8), (9, 8), (8, 7), (8, 5), (9, 4), (11, 4)])
            for n, out in (("A", "Chamber 1"), ("B", "Chamber 2"), ("C", "Chamber 3")):
                b.wire(n, out)
        else:
            for out in ("Chamber 1", "Chamber 2", "Chamber 3"):
                b.wire("A", out)
        B[key] = b


def beer_brains(B):
    """Book 4, page 14: Glass opens the tap through a synapse that tires, so it closes in
    time; without the decay the tap pours on and the glass spills."""
    for key, decay in (("w414", BEER_DECAY), ("w414f", 0)):
        b = lab("400000000000000", "180000000")
        b.neuron("D", 12, 4, 50)
        b.synapse("Glass", "D", 100)
        if decay:
            slot = b.expect[-1][3]
            b.say("synapse %d %d decay %g" % (12 + DX[slot], 4 + DY[slot], decay))
        b.wire("D", "Arm Down")
        B[key] = b


def garden_object_brains(B):
    """Book 4, pages 7, 11 and 12: brains that drive the letter, the bulb and the cart."""
    # The letter: a Linear neuron fed through weight 7 passes 7 on to Letter (H); a Step
    # neuron wired straight gives 100, outside the letters, so the letter stays.
    for key, linear in (("w407", True), ("w407f", False)):
        b = Brain({}, LETTER_OUT, "0", "3C00000")
        b.neuron("A", 12, 4, 0)
        if linear:
            simple(b, "L", 0, [("A", 7)], ["Letter"], x=20, y=4)
            b.say("neuron 20 4 type Linear")
        else:
            b.wire("A", "Letter")
        B[key] = b
    # The bulb: a neuron of threshold 0 fires by itself and lights it; left at the
    # default threshold of 50 nothing fires it and the bulb stays dark.
    for key, th in (("w411", 0), ("w411f", 50)):
        b = Brain({}, BULB_OUT, "0", "800000000")
        b.neuron("A", 12, 4, th)
        b.wire("A", "Light Bulb")
        B[key] = b
    # The cart: each eye wired to the motor on the other side turns it toward the bulb
    # (love); each eye to its own side's motor turns it away (fear). Both light the bulb.
    for key, crossed in (("w412", True), ("w412f", False)):
        b = Brain(VEHICLE_IN, VEHICLE_OUT, "3000000000000100", "E00000010")
        b.wire("Left Light", "Right Motor" if crossed else "Left Motor")
        b.wire("Right Light", "Left Motor" if crossed else "Right Motor")
        b.neuron("B", 12, 19, 0)
        b.wire("B", "Light Bulb")
        B[key] = b


def brains():
    B = {}
    for key, digits, kw in (("w605", (0, 1), {}), ("w605f", (0, 1), {"swap": True}),
                            ("w606", (0, 1, 2), {}), ("w606f", (0, 1, 2), {"lazy": 2})):
        b = lab("FFFFF00000000", "3" if len(digits) == 2 else "7")
        digit_brain(b, digits, **kw)
        B[key] = b
    for key, kind in (("w601", "plain"), ("w601f", "same sign"), ("w602", "plain"), ("w602f", "no step"),
                      ("w603", "hidden"), ("w603f", "plain")):
        b = lab("10000003", "1")
        learning_gate(b, kind)
        B[key] = b
    b = lab("1", "1"); simple(b, "N1", 50, [("Switch 1", 100)], ["Light 1"]); B["w101"] = b
    b = lab("1", "1"); simple(b, "N1", 50, [("Switch 1", 40)], ["Light 1"]); B["w101f"] = b
    b = lab("1", "3"); simple(b, "N1", 50, [("Switch 1", 100)], ["Light 1", "Light 2"]); B["w102"] = b
    b = lab("1", "3"); simple(b, "N1", 50, [("Switch 1", 100)], ["Light 1"]); B["w102f"] = b
    for key, n1, n2 in (("w103", ["Light 1", "Light 3"], ["Light 2", "Light 4"]),
                        ("w103f", ["Light 1", "Light 2"], ["Light 3", "Light 4"])):
        b = lab("3", "F")
        simple(b, "N1", 50, [("Switch 1", 100)], n1)
        simple(b, "N2", 50, [("Switch 2", 100)], n2, y=10)
        B[key] = b
    b = lab("4", "1"); simple(b, "N1", 80, [("Slider", 100)], ["Light 1"]); B["w104"] = b
    b = lab("4", "1"); simple(b, "N1", 50, [("Slider", 100)], ["Light 1"]); B["w104f"] = b
    for key, lights in (("w105", ["Light 1", "Light 2", "Light 3", "Light 4"]),
                        ("w105f", ["Light 4", "Light 3", "Light 2", "Light 1"])):
        b = lab("4", "F")
        for k, (th, y) in enumerate(((20, 4), (40, 9), (60, 14), (80, 19))):
            simple(b, "N%d" % (k + 1), th, [("Slider", 100)], [lights[k]], x=24, y=y)
        B[key] = b
    for key, th, w1, w2 in (("w106", 50, 100, 100), ("w106f", 50, 40, 40),
                            ("w107", 75, 50, 50), ("w107f", 75, 100, 100),
                            ("w108", 50, -100, 100), ("w108f", 50, 100, -100)):
        b = lab("3", "1")
        simple(b, "N1", th, [("Switch 1", w1), ("Switch 2", w2)], ["Light 1"])
        B[key] = b
    b = lab("1", "1"); simple(b, "N1", 0, [("Switch 1", -100)], ["Light 1"]); B["w109"] = b
    b = lab("1", "1"); simple(b, "N1", 50, [("Switch 1", -100)], ["Light 1"]); B["w109f"] = b
    b = lab("3", "1"); xor_layer(b); B["w110"] = b
    b = lab("3", "1"); simple(b, "N1", 50, [("Switch 1", 100), ("Switch 2", 100)], ["Light 1"]); B["w110f"] = b
    b = lab("3", "3"); xor_layer(b)
    simple(b, "C", 75, [("Switch 1", 50), ("Switch 2", 50)], ["Light 2"], x=24, y=16); B["w111"] = b
    b = lab("3", "3"); simple(b, "S", 50, [("Switch 1", 100), ("Switch 2", 100)], ["Light 1"])
    simple(b, "C", 75, [("Switch 1", 50), ("Switch 2", 50)], ["Light 2"], x=24, y=16); B["w111f"] = b

    leg_brains(B)
    heart_brains(B)
    beer_brains(B)

    b = bug("0"); b.neuron("A", 12, 4, 0); b.wire("A", "Go Fwd"); B["w201"] = b
    b = bug("0"); b.neuron("A", 12, 4, 50); b.wire("A", "Go Fwd"); B["w201f"] = b
    for key, turn in (("w202", "Turn Left"), ("w202f", "Turn Right")):
        b = bug("0"); b.neuron("A", 12, 4, 0); b.wire("A", "Go Fwd"); b.wire("A", turn); B[key] = b
    for key, lt, rt in (("w203", "Turn Left", "Turn Right"), ("w203f", "Turn Right", "Turn Left")):
        b = bug("C000")
        simple(b, "L", 1, [("Smell Left", 100), ("Smell Right", -100)], [lt])
        simple(b, "R", 1, [("Smell Right", 100), ("Smell Left", -100)], [rt], y=10)
        # Walking only while an aphid is smelled keeps the bug on the grass once all are eaten.
        simple(b, "A", 1, [("Smell Left", 100), ("Smell Right", 100)], ["Go Fwd"], x=20, y=16)
        B[key] = b
    b = bug("68")
    simple(b, "G", 50, [("Branch Fwd", 100)], ["Go Fwd"])
    simple(b, "T", 0, [("Branch Fwd", -100)], ["Turn Left"], y=10); B["w204"] = b
    b = bug("68"); b.neuron("A", 12, 16, 0); b.wire("A", "Go Fwd"); B["w204f"] = b
    b = bug("80"); simple(b, "G", 50, [("Eye", 100)], ["Go Fwd"]); B["w205"] = b
    b = bug("80"); b.neuron("A", 12, 10, 0); b.wire("A", "Go Fwd"); B["w205f"] = b
    for key, turner in (("w206", True), ("w206f", False)):
        b = bug("10")
        simple(b, "G", 0, [("Bump", -100)], ["Go Fwd"])
        if turner:
            simple(b, "T", 50, [("Bump", 100)], ["Turn Left"], y=10)
        B[key] = b
    for key, with_e in (("w207", True), ("w207f", False)):
        b = bug("C0F8")
        if with_e:
            simple(b, "E", -49, [("Branch Fwd", -100)], [])
        simple(b, "D", 0, [("Eye", -100)], [])
        simple(b, "SL", 1, [("Smell Left", 100), ("Smell Right", -100)], [], y=21)
        simple(b, "SR", 1, [("Smell Right", 100), ("Smell Left", -100)], [], y=26)
        if with_e:
            simple(b, "G", 50, [("Bump", -100), ("Branch Fwd", 100), ("D", -100)], [], x=24, y=7)
        else:  # the branch forgotten: walk unless bumped or in the dark
            simple(b, "G", 0, [("Bump", -100), ("D", -100)], [], x=24, y=7)
        wl = ([("E", 100)] if with_e else []) + [("Bump", 100), ("SL", 100)]
        simple(b, "WL", 50, wl, [], x=24, y=13)
        b.neuron("TL", 36, 7, 50)
        b.synapse("D", "TL", -100)
        b.synapse("WL", "TL", 100)
        b.neuron("TR", 36, 18, 50)
        b.synapse("WL", "TR", -100)
        b.synapse("D", "TR", -100)
        b.synapse("SR", "TR", 100)
        b.wire("G", "Go Fwd")
        b.wire("TL", "Turn Left")
        b.wire("TR", "Turn Right")
        B[key] = b

    b = worm("400", "1E000"); crawler(b, "Grab Front", "Grab Back"); B["w501"] = b
    b = worm("400", "1E000"); crawler(b, "Grab Back", "Grab Front"); B["w501f"] = b
    # Book 4, page 13: a Linear neuron fed through weight 50 gives Fire one rise of 50,
    # which lands on the ladybug ahead; a Step neuron's rise of 100 flies over.
    for key, linear in (("w413", True), ("w413f", False)):
        b = Brain(CANNON_IN, CANNON_OUT, "C000", "180070")
        b.neuron("A", 12, 4, 0)
        if linear:
            simple(b, "L", 0, [("A", 50)], ["Fire"], x=20, y=4)
            b.say("neuron 20 4 type Linear")
        else:
            b.wire("A", "Fire")
        B[key] = b
    garden_object_brains(B)
    bunker_turning_brains(B)
    for key, flee in (("w505", True), ("w505f", False)):
        b = worm("600400", "7E000")
        crawler(b, "Grab Front", "Grab Back")
        if flee:
            flee_spider(b)
        B[key] = b
    # Book 5, page 6: search while Eye is 0, hunt while it is not; Got Food stops the
    # search, so the spider stands with its catch near home and eats it. Without that it
    # turns on with the catch and never eats.
    for key, stop in (("w506", True), ("w506f", False)):
        b = spider("50090")
        simple(b, "S", 0, [("Eye", -100)] + ([("Got Food", -100)] if stop else []), ["Turn Left"])
        simple(b, "H", 50, [("Eye", 100)], ["Go Fwd"], x=20, y=12)
        B[key] = b
    bunker_challenge_brains(B)
    for key, homing in (("w507", True), ("w507f", False)):
        b = spider("50090")
        simple(b, "G", 0, [("Got Food", -100)], ["Go Fwd"])
        if homing:
            simple(b, "B", 50, [("Got Food", 100), ("Home Dist", -55)], ["Go Back"], y=18)
        B[key] = b
    B.update(island_brains())
    return B


def header(key, b):
    return ("# Reference brain %s (see ../README.txt), for quorbit-cli brain-edit:\n"
            "#   brain-edit - --inputs %s --outputs %s --script %s.txt --save %s.brn\n"
            "# Written by make_scripts.py.\n" % (key, b.in_mask, b.out_mask, key, key))


def check(cli, key, b, script):
    out = subprocess.run([cli, "brain-edit", "-", "--inputs", b.in_mask, "--outputs", b.out_mask, "--script", script],
                         capture_output=True, text=True)
    if out.returncode != 0 or out.stderr.strip():
        return "%s: %s %s" % (key, out.returncode, out.stderr.strip())
    board = json.loads(out.stdout.strip().splitlines()[-1])["board"]
    at = {(n["x"], n["y"]): n for n in board["neurons"]}
    nodes = {n["index"]: n for n in board["nodes"]}
    chan_in = {c["name"]: c["node"] for c in board["inputs"]}
    chan_out = {c["name"]: c["node"] for c in board["outputs"]}
    index_of = {}
    for name, (x, y, th) in b.neurons.items():
        if (x, y) not in at or at[(x, y)]["threshold"] != th:
            return "%s: neuron %s not at %s with threshold %g" % (key, name, (x, y), th)
        index_of[name] = at[(x, y)]["index"]

    def source_of(name):
        return (2, chan_in[name]) if name in chan_in else (1, index_of[name])

    problems = []
    for kind, src, dst, slot, weight in b.expect:
        if kind == "synapse":
            s = at[b.neurons[dst][:2]]["slots"][slot]
            want_kind = 1 if weight >= 0 else 2
            if (s["kind"], s["otherKind"], s["otherIndex"], s["weight"]) != (want_kind,) + source_of(src) + (weight,):
                problems.append("%s -> %s slot %d: %s" % (src, dst, slot, s))
        else:
            node = nodes[chan_out[dst]]
            slots = node["slots"] if slot is None else [node["slots"][slot]]
            if not any(sl["kind"] == 6 and (sl["otherKind"], sl["otherIndex"]) == source_of(src) for sl in slots):
                problems.append("%s => %s%s missing" % (src, dst, "" if slot is None else " corner %d" % slot))
    want = sum(1 for e in b.expect if e[0] == "synapse")
    have = sum(1 for n in board["neurons"] for s in n["slots"] if s["kind"] in (1, 2))
    if want != have:
        problems.append("%d synapses, expected %d" % (have, want))
    return "; ".join("%s: %s" % (key, p) for p in problems)


def main():
    cli = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == "--check" else None
    failures = []
    for key, b in sorted(brains().items()):
        path = os.path.join(HERE, key + ".txt")
        with open(path, "w") as f:
            f.write(header(key, b) + b.text())
        if cli:
            problem = check(cli, key, b, path)
            if problem:
                failures.append(problem)
    for f in failures:
        print(f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
