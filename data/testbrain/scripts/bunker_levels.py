#!/usr/bin/env python3
"""Prints the level blocks of the bunker book (levels 500-508) for level.map.

Usage: bunker_levels.py > /tmp/bunker.map, then put the blocks into level.map in place
of the old ones. The bunker floor is a flat room of dark earth (height 0.1) with a wet rim; worms
stand on it, mushrooms grow on it, stones lie about and the spider's lair is a ring of
stones in a corner."""

PICS = ["earth", "wf", "wm", "wb", "sbdy", "sleg", "stone", "mush"]
P = {name: k for k, name in enumerate(PICS)}
WORM_IN_ALL = "000000000060FC00"   # Mid Height, Mid Angle, Bump Nose, BumpTail, smells, spiders
WORM_OUT_ALL = "000000000007E000"  # Raise, Lower, Grab Front, Grab Back, Bend Left, Bend Right
SPIDER_IN = "0000000000050090"     # Bump, Eye, Home Dist, Got Food
SPIDER_OUT = "0000000000080070"    # Go Fwd, Turn Left, Turn Right, Go Back
HUNTER_IN = "00000000000D0090"     # Bump, Eye, Home Dist, Got Food, Home Dir
# The spider that hunts the learner's worm: a hidden brain (hidden_brains.py).
def hunter(n):
    return (n, 2, HUNTER_IN, SPIDER_OUT, "hunter.brx")


def floor_map(w, h):
    """One line per column of cells: the reader takes them x by x, y within x."""
    rows = []
    for x in range(w):
        cells = []
        for y in range(h):
            edge = min(x, y, w - 1 - x, h - 1 - y)
            cells.append("0 %g" % (-0.3 if edge == 0 else -0.1 if edge == 1 else 0.1))
        rows.append(" ".join(cells) + " ")
    return "%d %d\n" % (w, h) + "\n".join(rows)


def worm(name, x, y, heading):
    return "Worm %s %d %d %d %d %g %g 0.1 %d" % (name, P["wf"], P["wm"], P["wm"], P["wb"], x, y, heading)


def spider(name, x, y, heading):
    return "Spider %s %d %s %g %g 0.1 %d" % (name, P["sbdy"], " ".join([str(P["sleg"])] * 8), x, y, heading)


def mushroom(name, x, y):
    return "Mushroom %s %d %g %g 0.1 0" % (name, P["mush"], x, y)


def lair(cx, cy, opening=1):
    """A ring of stones around the spider's home, open toward +x (opening 1) or -x (-1):
    a lair in the room's east corner opens into the room, so the spider can carry its
    catch home through the doorway instead of pressing it against the back wall."""
    out = []
    for k, (dx, dy) in enumerate([(-1, -1), (-1, 0), (-1, 1), (0, -1.2), (0, 1.2), (0.9, -1.1), (0.9, 1.1)]):
        out.append((cx + opening * dx, cy + dy, k % 4))
    return out


def level(n, w, h, stones, critters, brains, energy, smell, test, lookat, text, triggers=()):
    lines = ["[LEVEL%d]" % n, "[PICS]"]
    # A level without mushrooms does not load their pictures.
    used = PICS if any(c.startswith("Mushroom") for c in critters) else PICS[:-1]
    lines += ["%d %s" % (k, name) for k, name in enumerate(used)]
    lines += ["[MAP]", floor_map(w, h)]
    if stones:
        lines.append("[FIXED]")
        lines += ["%d %g %g 0.1 %d" % (P["stone"], x, y, f) for x, y, f in stones]
    lines.append("[CRITTERS]")
    lines += ["%d %s" % (k, c) for k, c in enumerate(critters)]
    lines.append("[ENERGY]")
    lines += ["%d %g %g" % e for e in energy]
    if brains:
        lines.append("[BRAIN]")
        lines += ["%d %d %s %s %s" % (b if len(b) == 5 else (b[0], 1) + tuple(b[1:])) for b in brains]
    if smell:
        lines.append("[SMELL]")
        lines += ["%d %d %d" % s for s in smell]
    if triggers:
        lines.append("[TRIGGER]")
        lines += [" ".join("%g" % v for v in t) for t in triggers]
    lines += ["[FOLLOW]", "0"]
    if test:
        lines += ["[TEST]", "%d %d %d %d" % test]
    lines += ["[LOOKAT]", "%g %g 0.1" % lookat, "[TEXT]"] + text + ["#", "[END]", ""]
    return "\n".join(lines)


def praised(block, message, movie="movie\\wwin.mvi"):
    """Puts the praise movie after a level's test line, as the lab levels have it."""
    head, rest = block.split("[TEST]\n", 1)
    test, rest = rest.split("\n", 1)
    movie_lines = ["FTOB", "MEST Well done", "FTOM " + movie, "PAUS 10", "MESB " + message, "PAUS -1"]
    return head + "[TEST]\n" + test + "\n" + "\n".join(movie_lines) + "\n" + rest


def levels():
    out = []
    # 0: the bunker, to look around in: a worm, mushrooms, stones and the spider at home.
    out.append(level(500, 14, 12, [(5, 3, 0), (9, 8, 1), (7, 9, 2)] + lair(11, 3, -1),
                     [worm("Wiggles", 4, 6, 0), mushroom("Mush1", 7, 6), mushroom("Mush2", 9, 4.5),
                      mushroom("Mush3", 5, 9), spider("Webster", 11, 3, 12)],
                     [(0, WORM_IN_ALL, WORM_OUT_ALL, "Worm"), hunter(4)], [(0, 50, 0.01), (4, 50, 0.01)], [(0, 12, 0)],
                     None, (7, 6), ["The bunker: dark, damp and quiet. A worm, three mushrooms, and in",
                                    "the corner, behind its stones, a spider."]))
    # 1: crawl straight on to the mushrooms ahead.
    out.append(praised(level(501, 14, 12, [(4, 3, 0), (10, 9, 1)],
                             [worm("Wiggles", 3, 6, 0), mushroom("Mush1", 6, 6), mushroom("Mush2", 8.5, 6),
                              mushroom("Mush3", 11, 6)],
                             [(0, "0000000000000400", "000000000001E000", "Worm")], [(0, 40, 0.01)], [],
                             (0, 1, 400, 60), (7, 6), ["Crawling: three mushrooms in a row straight ahead."]),
                       "Grip, arch, grip, flatten: the worm crawled to its food"))
    # 2: a ring of mushrooms round to the left. The crawler that also bends left on every
    # back-gripping step goes round a ring of radius about 3 (the bend eases by 2 a moment
    # while the front grips, and the back half follows); the mushrooms lie on that ring and
    # the last is eaten after about 24 s. The test needs all three.
    ring = [(8.7, 6.4), (6.6, 9.3), (3.2, 8.1)]
    out.append(praised(level(502, 14, 12, [(11, 9.5, 0), (2.5, 2.5, 2)],
                             [worm("Wiggles", 6, 3.4, 0)] + [mushroom("Mush%d" % (k + 1), x, y) for k, (x, y) in enumerate(ring)],
                             [(0, "0000000000000400", "000000000007E000", "Worm")], [(0, 40, 0.01)], [],
                             (0, 1, 600, 70), (5.7, 6.5), ["Turning: mushrooms on a ring to the worm's left."]),
                       "The worm bent its way round the ring"))
    # 3: smell (with Bump Nose, which the smell page names). Steering by smell on the back-gripping
    # step eats both mushrooms in about 24 s; the test needs both.
    out.append(praised(level(503, 14, 12, [(4, 3, 0), (10, 9, 1), (7, 7, 3)],
                             [worm("Wiggles", 3, 6, 0), mushroom("Mush1", 9, 3), mushroom("Mush2", 11, 8)],
                             [(0, "000000000000D400", "000000000007E000", "Worm")], [(0, 40, 0.01)], [(0, 12, 0)],
                             (0, 1, 600, 55), (7, 6), ["Smell: two mushrooms somewhere in the dark. Follow your nose."]),
                       "It followed its nose to both mushrooms"))
    # 4: a patch where a trigger poisons the far mushroom and tells the worm. The good one is
    # nearer, so a smell-follower eats it first and then heads for the bad one; a worm that
    # stands still while Trigger reads 100 stops at the patch's edge. The test's goal needs
    # the good mushroom and not the bad one.
    out.append(praised(level(504, 14, 12, [(4, 3, 0), (11.5, 4.5, 1)],
                             [worm("Wiggles", 3, 6, 0), mushroom("Good", 7, 5), mushroom("Bad", 10, 9)],
                             [(0, "000000000102C400", "000000000007E000", "Worm")], [(0, 40, 0.01)], [(0, 12, 0)],
                             (0, 1, 600, 45), (7, 6), ["Poison: one of these two mushrooms will make the worm ill."],
                             # The patch round the far mushroom poisons it, and tells the worm.
                             [(target, 11, 10, 9, 8.5, 7.5, 11.5, 7.5, 11.5, 10.5, 8.5, 10.5, -1, 3) for target in (2, 0)]),
                       "It ate the good one, not the poison"))
    # 5: the spider hunts; the worm feels it coming. Two mushrooms lie on the way to the
    # lair, before the spider can be felt, so a crawler eats them; the test's energy goal
    # needs both, so a worm that stays put fails, and one that crawls on past the lair is
    # caught.
    out.append(praised(level(505, 20, 12, lair(17, 3, -1),
                             [worm("Wiggles", 2, 6, 0), mushroom("Mush1", 4.5, 6), mushroom("Mush2", 6.5, 6),
                              spider("Webster", 17, 3, 12)],
                             [(0, WORM_IN_ALL, WORM_OUT_ALL, "Worm"), hunter(3)], [(0, 40, 0.01), (3, 50, 0.01)],
                             [(0, 12, 0)], (0, 1, 1200, 50), (10, 6),
                             ["The spider: it sees the ends of worms straight ahead of it."]),
                       "The worm ate and got away from the spider"))
    # 6 and 7: the spider's side. On 6 the spider faces into its lair and the worm lies
    # behind it in the mouth: it must search, hunt, and stand still once it holds its
    # catch, which lies within a step of home, so it eats there.
    out.append(praised(level(506, 14, 12, lair(3, 6),
                             [spider("Webster", 3, 6, 12), worm("Snack", 3.8, 6, 6)],
                             [(0, SPIDER_IN, SPIDER_OUT, "Spider")], [(0, 40, 0.01), (1, 50, 0)], [],
                             (0, 1, 400, 80), (5, 6), ["Hunting: a worm lies behind the spider, in the mouth of its lair."]),
                       "The spider found the worm, caught it and ate it", "movie\\bugwave.mvi"))
    out.append(praised(level(507, 14, 12, lair(3, 6),
                             [spider("Webster", 3, 6, 0), worm("Snack", 7.5, 6, 6)],
                             [(0, SPIDER_IN, SPIDER_OUT, "Spider")], [(0, 40, 0.01), (1, 50, 0)], [],
                             (0, 1, 400, 80), (5, 6), ["Home with the prey: catch the worm and eat it at home."]),
                       "The spider carried its catch home and ate it", "movie\\bugwave.mvi"))
    # 8: the challenge: the worm feeds while the spider hunts. Three mushrooms lie in a
    # chain more than ten steps from the lair, where the spider cannot be felt; the fourth
    # lies by the lair. A worm that follows its nose eats the three, goes on to the fourth
    # and is caught: starting at 25 it never reaches the 80 that breaks free. One that
    # turns away from the spider first keeps the three.
    out.append(praised(level(508, 22, 14, [(6, 3, 0), (13, 9, 1), (3, 13, 2)] + lair(19, 3, -1),
                             [worm("Wiggles", 2, 10, 0), mushroom("Mush1", 5, 10.5), mushroom("Mush2", 8, 11.5),
                              mushroom("Mush3", 10.5, 12.5), mushroom("Mush4", 16, 5), spider("Webster", 19, 3, 12)],
                             [(0, WORM_IN_ALL, WORM_OUT_ALL, "Worm"), hunter(5)], [(0, 25, 0.01), (5, 50, 0.01)],
                             [(0, 12, 0)], (0, 1, 900, 50), (11, 7),
                             ["The bunker challenge: four mushrooms, and a spider watching from its lair."]),
                       "The worm fed in the dark and kept away from the spider"))
    return out


if __name__ == "__main__":
    print("\n".join(levels()))
