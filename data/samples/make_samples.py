#!/usr/bin/env python3
"""Writes the notebook's sample files of hand-drawn digits (book 6, pages 5 and 6).

Each digit is drawn as a stroke of chalk-area points the way a hand would, with a little
wobble in size, slant and place, and turned into direction values exactly as the sample
panel does with "Points" set to 3. Usage: make_samples.py [--strokes FOLDER]"""
import math, os, random, sys

HERE = os.path.dirname(os.path.abspath(__file__))
POINTS = 3


def value_of(dx, dy):
    if dx == 0:
        a = math.pi / 2 if dy > 0 else -math.pi / 2
    elif dy == 0:
        a = 0 if dx > 0 else -math.pi
    else:
        a = math.atan2(dy, dx)
    v = math.floor(a * 100 / math.pi - 50 + 0.5)
    return v + 200 if v < -100 else v


def features(stroke, n=POINTS):
    c = len(stroke)
    values = [0] * 10
    if n >= c // 2:
        return None
    step = c // n
    i = step // 2
    for k in range(n):
        values[k] = value_of(stroke[i + 1][0] - stroke[i - 1][0], stroke[i + 1][1] - stroke[i - 1][1])
        i += step
    return values


def path(digit, t):
    """A point of the digit's stroke at t in 0..1, in a 1 x 1.6 box (y grows down)."""
    if digit == 0:  # from the top, most of the way round to the left
        a = -math.pi / 2 - t * 2 * math.pi * 0.8
        return 0.5 + 0.5 * math.cos(a), 0.8 + 0.8 * math.sin(a)
    if digit == 1:  # straight down
        return 0.5, 1.6 * t
    if digit == 2:  # a hook over the top, a slide down to the left, a line to the right
        if t < 0.4:
            a = -math.pi + t / 0.4 * math.pi * 1.25
            return 0.5 + 0.45 * math.cos(a), 0.45 + 0.45 * math.sin(a)
        if t < 0.75:
            u = (t - 0.4) / 0.35
            sx, sy = 0.5 + 0.45 * math.cos(math.pi * 0.25), 0.45 + 0.45 * math.sin(math.pi * 0.25)
            return sx + (0.0 - sx) * u, sy + (1.6 - sy) * u
        u = (t - 0.75) / 0.25
        return u, 1.6
    raise ValueError(digit)


def stroke(digit, rng):
    size = rng.uniform(70, 110)
    slant = rng.uniform(-0.15, 0.15)
    x0, y0 = rng.uniform(40, 80), rng.uniform(25, 40)
    count = rng.randint(36, 70)
    pts = []
    for k in range(count):
        px, py = path(digit, k / (count - 1))
        x = x0 + (px + slant * (1.6 - py)) * size * 0.7 + rng.uniform(-1.2, 1.2)
        y = y0 + py * size * 0.7 + rng.uniform(-1.2, 1.2)
        pts.append((int(round(x)), int(round(y))))
    return pts


def write(name, digits, per_digit, seed, strokes_folder=None):
    rng = random.Random(seed)
    samples = []
    for k in range(per_digit):
        for d in digits:
            s = stroke(d, rng)
            if strokes_folder and k == 0:
                with open(os.path.join(strokes_folder, "digit%d.txt" % d), "w") as f:
                    f.write("".join("%d %d\n" % p for p in s))
            samples.append((features(s), d))
    with open(os.path.join(HERE, name), "w") as f:
        f.write("%d\n" % len(samples))
        for values, d in samples:
            f.write("".join("%d " % v for v in values) + "%d\n" % d)


if __name__ == "__main__":
    folder = sys.argv[2] if len(sys.argv) > 2 and sys.argv[1] == "--strokes" else None
    write("digits01.txt", (0, 1), 20, 601, folder)
    write("digits012.txt", (0, 1, 2), 20, 602, folder)
