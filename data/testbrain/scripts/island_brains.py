"""The ant's reference brains (book 7, the island), for make_scripts.py.

The ant's leg nodes are multi nodes: a wire carries one leg's channel by the corner it
comes in through (leg 0 top left, 1 left, 2 bottom left, 3 top right, 4 right, 5 bottom
right; the top and bottom corners of Leg Up turn the ant right and left). So the output
nodes are spread out with room around them, and each route is found on the grid the way
a learner draws it: straight and 45-degree runs, turning at most 45 degrees a cell.

The gait is book 4's heart ring (A fires on its own, B follows A and silences it): with
the board's 15 passes a tick it stays two ticks on and two off. "Tripod A" copies A and
"Tripod B" is its opposite; each lifts its tripod and pushes the other one back."""
import heapq

DX = [1, 1, 0, -1, -1, -1, 0, 1]
DY = [0, 1, 1, 1, 0, -1, -1, -1]
CELL = 16

ANT_IN = {"Bump Nose": 12, "BumpTail": 13, "Home Dist": 16, "Home Dir": 19, "Ear": 25, "Leg Wet": 52,
          "Antenna": 53, "Can Pickup": 54, "Leg Touch": 55, "Sun": 56, "Is Edible": 57}
ANT_OUT = {"Sound": 21, "Leg Up": 26, "Leg Forward": 27, "Leg Back": 28, "Mark Scent": 29, "Pick Up": 30}
# Where the output nodes are dragged to: the leg nodes far apart, with room on both sides.
OUT_AT = {"Leg Up": (50, 12), "Leg Back": (50, 36), "Leg Forward": (50, 60), "Pick Up": (50, 76),
          "Mark Scent": (50, 84), "Sound": (50, 92)}
# The corner of a leg node that carries each leg; 6 and 2 on Leg Up turn right and left.
LEG_SLOT = [5, 4, 3, 7, 0, 1]
TURN_RIGHT, TURN_LEFT = 6, 2
TRIPOD_A, TRIPOD_B = (0, 2, 4), (1, 3, 5)


def px(c):
    return c * CELL + CELL // 2


class AntBrain:
    """A brain-edit script for the ant: neurons, synapses and wires, routed on the grid."""

    def __init__(self, in_mask, out_mask):
        self.in_mask, self.out_mask = in_mask, out_mask
        self.lines = []
        self.neurons = {}
        self.blocks = {}  # centre -> name, for every neuron and node
        self.taken = set()  # cells that routes already use
        self.used = {}  # centre -> used slots
        self.expect = []
        self.channels_in = {n: c for n, c in ANT_IN.items() if (int(in_mask, 16) >> c) & 1}
        self.channels_out = {n: c for n, c in ANT_OUT.items() if (int(out_mask, 16) >> c) & 1}
        self.in_at = {}
        # Every offered channel gets its node, in channel order, whether we use it or not.
        named = {c: n for n, c in ANT_IN.items()}
        offered = [c for c in range(64) if (int(in_mask, 16) >> c) & 1]
        for i, ch in enumerate(offered):
            self.in_at[named.get(ch, "channel %d" % ch)] = (3, 4 + 3 * i)
        self.out_at = {}
        visible = 355 // CELL
        named_out = {c: n for n, c in ANT_OUT.items()}
        for i, ch in enumerate(c for c in range(64) if (int(out_mask, 16) >> c) & 1):
            if ch not in named_out:
                continue
            name = named_out[ch]
            self.say("# %s output node" % name)
            x, y = OUT_AT[name]
            self.drag(visible - 5, 4 + 3 * i, x, y)
            self.out_at[name] = (x, y)
            self.blocks[(x, y)] = name
        for name, at in self.in_at.items():
            self.blocks[at] = name

    # ---- script lines ------------------------------------------------------------
    def say(self, line):
        self.lines.append(line)

    def drag(self, x0, y0, x1, y1):
        self.say("down %d %d left" % (px(x0), px(y0)))
        self.say("move %d %d" % (px(x1), px(y1)))
        self.say("up %d %d left" % (px(x1), px(y1)))

    def move_input(self, name, x, y):
        """Drags an input node where its routes have room."""
        x0, y0 = self.in_at[name]
        self.say("# %s input node" % name)
        self.drag(x0, y0, x, y)
        del self.blocks[(x0, y0)]
        self.in_at[name] = (x, y)
        self.blocks[(x, y)] = name

    def neuron(self, name, x, y, threshold):
        self.say("# %s" % name)
        self.say("add neuron %d %d" % (x, y))
        if threshold != 50:
            self.say("neuron %d %d threshold %g" % (x, y, threshold))
        self.neurons[name] = (x, y, threshold)
        self.blocks[(x, y)] = name

    def text(self):
        return "\n".join(self.lines) + "\n"

    # ---- routing -----------------------------------------------------------------
    def centre(self, name):
        if name in self.neurons:
            return self.neurons[name][:2]
        return self.in_at[name] if name in self.in_at else self.out_at[name]

    def blocked(self, x, y, allow):
        """Cells inside a neuron's or node's block are closed to routes, except `allow`."""
        if not (1 <= x < 98 and 1 <= y < 98):
            return True
        if (x, y) in allow:
            return False
        return any(abs(cx - x) <= 1 and abs(cy - y) <= 1 for (cx, cy) in self.blocks)

    def route(self, start, heading, goal_cells, allow):
        """Cheapest path from `start` (entered with `heading`) through `goal_cells` (the
        last cells in order, the first entered with the heading they need)."""
        first, final = goal_cells[0]
        todo = [(0, start, heading, (start,))]
        seen = set()
        while todo:
            cost, (x, y), d, path = heapq.heappop(todo)
            if (x, y) == first and d == final:
                return list(path)
            if ((x, y), d) in seen or len(path) > 300:
                continue
            seen.add(((x, y), d))
            for nd in (d, (d + 1) % 8, (d + 7) % 8):
                nx, ny = x + DX[nd], y + DY[nd]
                if self.blocked(nx, ny, allow):
                    continue
                step = 1.0 + (0.5 if nd != d else 0) + (0.41 if nd % 2 else 0) + (6 if (nx, ny) in self.taken else 0)
                heapq.heappush(todo, (cost + step, (nx, ny), nd, path + ((nx, ny),)))
        raise SystemExit("no route from %s to %s" % (start, goal_cells))

    def draw(self, pressed, cells, release):
        """Mouse down on the pressed cell, one move per corner of the path, mouse up."""
        self.say("down %d %d left" % (px(pressed[0]), px(pressed[1])))
        corners = []
        for k in range(1, len(cells)):
            d = (cells[k][0] - cells[k - 1][0], cells[k][1] - cells[k - 1][1])
            if k + 1 == len(cells) or (cells[k + 1][0] - cells[k][0], cells[k + 1][1] - cells[k][1]) != d:
                corners.append(cells[k])
        for c in corners:
            self.say("move %d %d" % (px(c[0]), px(c[1])))
        self.say("up %d %d left" % (px(release[0]), px(release[1])))
        self.taken.update(cells)

    def start_of(self, src, slot):
        x, y = self.centre(src)
        if src in self.neurons:
            return (x + DX[slot], y + DY[slot]), (x + 2 * DX[slot], y + 2 * DY[slot])
        return (x + DX[slot], y + DY[slot]), (x + DX[slot], y + DY[slot])

    def free_slots(self, src, prefer):
        used = self.used.setdefault(self.centre(src), set())
        return [s for s in prefer if s not in used]

    def connect(self, src, src_slots, goal_of):
        """Tries the source's slots in turn; `goal_of(start)` gives the goal cells."""
        for s in src_slots:
            if s in self.used.setdefault(self.centre(src), set()):
                continue
            pressed, start = self.start_of(src, s)
            goal, allow, release = goal_of()
            try:
                cells = self.route(start, s, goal, allow | {start, pressed})
            except SystemExit:
                continue
            cells += [c for c, _ in goal[1:]]
            self.used.setdefault(self.centre(src), set()).add(s)
            self.draw(pressed, cells, release)
            return s
        raise SystemExit("no route from %s" % src)

    def synapse(self, src, dst, weight, slots=(4, 5, 3, 6, 2, 7, 1, 0), src_slots=None):
        tx, ty = self.neurons[dst][:2]
        free = [s for s in slots if s not in self.used.setdefault((tx, ty), set())]
        for slot in free:
            ox, oy = tx + DX[slot], ty + DY[slot]
            into = (slot + 4) % 8
            self.say("# %s -> %s (%g)" % (src, dst, weight))
            mark = len(self.lines)
            try:
                self.connect(src, src_slots or self.free_slots(src, range(8)),
                             lambda: ([((ox, oy), into)], {(ox, oy)}, (ox, oy)))
            except SystemExit:
                del self.lines[mark - 1:]
                continue
            self.used[(tx, ty)].add(slot)
            if weight != 100:
                self.say("synapse %d %d weight %g" % (ox, oy, weight))
            self.expect.append(("synapse", src, dst, slot, weight))
            return
        raise SystemExit("no synapse from %s to %s" % (src, dst))

    def wire(self, src, out, slot, src_slots=None):
        """A wire from `src` into corner `slot` of the output node `out`."""
        cx, cy = self.out_at[out]
        into = (slot + 4) % 8
        ox, oy = cx + DX[slot], cy + DY[slot]
        self.say("# %s => %s corner %d" % (src, out, slot))
        self.connect(src, src_slots or self.free_slots(src, range(8)),
                     lambda: ([((ox, oy), into), ((cx, cy), into)], {(ox, oy), (cx, cy)}, (cx, cy)))
        self.used.setdefault((cx, cy), set()).add(slot)
        self.expect.append(("wire", src, out, slot, None))


# ---- the pieces --------------------------------------------------------------------
def ring(b, x=12, y=30):
    """Book 4's heart ring: A fires on its own, B follows it and silences it."""
    b.neuron("A", x, y, 0)
    b.neuron("B", x + 8, y, 50)
    b.synapse("A", "B", 100, slots=(4,), src_slots=(0,))
    b.synapse("B", "A", -100, slots=(2, 3, 1), src_slots=(2, 3, 1))


def gait(b, standing="Leg Back", x=30, y=30):
    """The two tripods: Tripod A copies the ring, Tripod B is its opposite; each lifts
    its own legs and swings the other tripod's standing legs (back, to walk ahead)."""
    ring(b, x - 18, y)
    b.neuron("Tripod A", x, y - 6, 50)
    b.neuron("Tripod B", x, y + 6, 0)
    b.synapse("A", "Tripod A", 100)
    b.synapse("A", "Tripod B", -100)
    for tripod, lifted, pushed in (("Tripod A", TRIPOD_A, TRIPOD_B), ("Tripod B", TRIPOD_B, TRIPOD_A)):
        for leg in lifted:
            b.wire(tripod, "Leg Up", LEG_SLOT[leg])
        for leg in pushed:
            b.wire(tripod, standing, LEG_SLOT[leg])


def always(b, name, x, y, out, slot=None):
    """A neuron with threshold 0 fires on its own."""
    b.neuron(name, x, y, 0)
    b.wire(name, out, 0 if slot is None else slot, src_slots=(0, 1, 7, 6, 2))


def steer_by_sun(b, keep_turning=False):
    """Turns left until the Sun's corner 1 reads 100: the ant then faces the nest (heading
    6). Forgetting the Sun, the ant turns on and on."""
    if keep_turning:
        b.neuron("Left", 36, 50, 0)
    else:
        b.move_input("Sun", 8, 50)
        b.neuron("Left", 36, 50, -99)
        b.synapse("Sun", "Left", -100, src_slots=(1,))
    b.wire("Left", "Leg Up", TURN_LEFT)


def grip(b, hold=True, x=36, y=70):
    """Grip fires while Can Pickup feels food at the jaws; its loop back onto itself keeps
    it firing, so the food stays held once the jaws have let go of the feeling."""
    b.move_input("Can Pickup", 8, y)
    b.neuron("Grip", x, y, 50)
    b.synapse("Can Pickup", "Grip", 100, src_slots=(0,))
    if hold:
        b.synapse("Grip", "Grip", 100, slots=(5, 3), src_slots=(6, 2))
    b.wire("Grip", "Pick Up", 4)


def follow_scent(b, crossed=False):
    """Left fires while the front-left antenna smells the trail and turns the ant left;
    Right the same on the right. With the trail straight ahead both or neither fire, and
    the two turns cancel. Crossed, the ant turns away from the scent."""
    b.move_input("Antenna", 10, 50)
    b.neuron("Left", 30, 46, 10)
    b.neuron("Right", 30, 56, 10)
    b.synapse("Antenna", "Left", 100, src_slots=(5,))
    b.synapse("Antenna", "Right", 100, src_slots=(7,))
    b.wire("Left", "Leg Up", TURN_RIGHT if crossed else TURN_LEFT)
    b.wire("Right", "Leg Up", TURN_LEFT if crossed else TURN_RIGHT)


def forage(b, mark=True):
    """Two trips: Carry remembers food from the moment the jaws feel it until the ant is
    back at its door (Home Dist 95 or more); while it carries, Home Dir steers it home
    and Mark Scent lays a trail, which the antennae follow out to the food again."""
    b.move_input("Home Dir", 8, 42)
    b.move_input("Antenna", 8, 54)
    b.move_input("Can Pickup", 8, 66)
    b.move_input("Home Dist", 8, 80)
    always(b, "Jaws", 40, 88, "Pick Up", 4)
    b.neuron("Near", 20, 80, 95)
    b.synapse("Home Dist", "Near", 100, src_slots=(0,))
    b.neuron("Carry", 24, 70, 50)
    b.synapse("Can Pickup", "Carry", 100, src_slots=(0,))
    b.synapse("Carry", "Carry", 100, slots=(5, 3), src_slots=(6, 2))
    b.synapse("Near", "Carry", -100)
    b.neuron("Home L", 24, 44, 75)
    b.neuron("Home R", 24, 50, 75)
    b.synapse("Home Dir", "Home L", 50, src_slots=(0, 1, 7))
    b.synapse("Home Dir", "Home R", -50, src_slots=(0, 1, 7, 2))
    b.synapse("Carry", "Home L", 70)
    b.synapse("Carry", "Home R", 70)
    b.neuron("Scent L", 24, 56, 10)
    b.neuron("Scent R", 24, 62, 10)
    b.synapse("Antenna", "Scent L", 100, src_slots=(5,))
    b.synapse("Antenna", "Scent R", 100, src_slots=(7,))
    b.neuron("Left", 38, 50, 50)
    b.neuron("Right", 38, 58, 50)
    b.synapse("Home L", "Left", 100)
    b.synapse("Scent L", "Left", 100)
    b.synapse("Home R", "Right", 100)
    b.synapse("Scent R", "Right", 100)
    b.wire("Left", "Leg Up", TURN_LEFT)
    b.wire("Right", "Leg Up", TURN_RIGHT)
    if mark:
        b.wire("Carry", "Mark Scent", 4)


def colony(b, forget=True):
    """Many trips: as forage, but the food lies anywhere. The ant walks until a front
    foot gets wet, then turns away from the water; stopped by a bump it stands still while it turns (a turn into the thing
    would be undone with the move); Carry and Home Dir bring each find home."""
    b.move_input("Home Dir", 8, 42)
    b.move_input("Leg Wet", 8, 54)
    b.move_input("Can Pickup", 8, 66)
    b.move_input("Home Dist", 8, 80)
    b.move_input("Bump Nose", 8, 90)
    b.move_input("BumpTail", 16, 94)
    always(b, "Jaws", 40, 88, "Pick Up", 4)
    b.neuron("Near", 20, 80, 95)
    b.synapse("Home Dist", "Near", 100, src_slots=(0,))
    b.neuron("Carry", 24, 70, 50)
    b.synapse("Can Pickup", "Carry", 100, src_slots=(0,))
    b.synapse("Carry", "Carry", 100, slots=(5, 3), src_slots=(6, 2))
    if forget:
        b.synapse("Near", "Carry", -100)
    b.neuron("Home L", 24, 44, 75)
    b.neuron("Home R", 24, 50, 75)
    b.synapse("Home Dir", "Home L", 50, src_slots=(0, 1, 7))
    b.synapse("Home Dir", "Home R", -50, src_slots=(0, 1, 7, 2))
    b.synapse("Carry", "Home L", 70)
    b.synapse("Carry", "Home R", 70)
    b.neuron("Left", 38, 50, 50)
    b.neuron("Right", 38, 58, 50)
    b.synapse("Home L", "Left", 100)
    b.synapse("Home R", "Right", 100)
    b.neuron("Stuck", 24, 88, 50)
    b.synapse("Bump Nose", "Stuck", 100, src_slots=(0,))
    b.synapse("BumpTail", "Stuck", 100, src_slots=(7, 0))
    b.synapse("Stuck", "Left", 100)
    # Pressed against something, each push into it is undone: stand still and turn away.
    b.synapse("Stuck", "Tripod A", -100)
    b.synapse("Stuck", "Tripod B", -100)
    # A wet left front foot turns the ant right, a wet right one left: away from the
    # water at whatever angle it came, so its path round the island keeps changing.
    b.synapse("Leg Wet", "Left", 100, src_slots=(7,))
    b.synapse("Leg Wet", "Right", 100, src_slots=(5,))
    b.wire("Left", "Leg Up", TURN_LEFT)
    b.wire("Right", "Leg Up", TURN_RIGHT)


def home(b, crossed=False):
    """Once Grip holds the food, Left turns the ant while home lies to its left (Home Dir
    10 or more: 70 + 10 / 2 reaches 75) and Right while it lies to the right (-10 or
    less). Without the food, Home Dir alone (at most 60 / 2) never reaches 75."""
    b.move_input("Home Dir", 8, 40)
    b.neuron("Left", 30, 46, 75)
    b.neuron("Right", 30, 56, 75)
    b.synapse("Home Dir", "Left", 50, src_slots=(0, 1, 7))
    b.synapse("Home Dir", "Right", -50, src_slots=(0, 1, 7, 2))
    b.synapse("Grip", "Left", 70)
    b.synapse("Grip", "Right", 70)
    b.wire("Left", "Leg Up", TURN_RIGHT if crossed else TURN_LEFT)
    b.wire("Right", "Leg Up", TURN_LEFT if crossed else TURN_RIGHT)


# Input masks: Leg Touch and Ear always (the leg and sound corners are there to try).
IN_WALK = "0080000002000000"
OUT_WALK = "000000005C200000"


def island_brains():
    B = {}
    for key, standing in (("w701", "Leg Back"), ("w701f", "Leg Forward")):
        b = AntBrain(IN_WALK, OUT_WALK)
        gait(b, standing)
        always(b, "Grip", 36, 76, "Pick Up", 4)
        B[key] = b
    for key, lost in (("w702", False), ("w702f", True)):
        b = AntBrain("0180000002000000", OUT_WALK)
        gait(b)
        always(b, "Grip", 36, 76, "Pick Up", 4)
        steer_by_sun(b, lost)
        B[key] = b
    for key, hold in (("w704", True), ("w704f", False)):
        b = AntBrain("02C0000002000000", OUT_WALK)
        gait(b)
        grip(b, hold)
        B[key] = b
    for key, crossed in (("w703", False), ("w703f", True)):
        b = AntBrain("00A0000002000000", OUT_WALK)
        gait(b)
        always(b, "Grip", 36, 76, "Pick Up", 4)
        follow_scent(b, crossed)
        B[key] = b
    for key, hold in (("w707", True), ("w707f", False)):
        b = AntBrain("00E0000002000000", OUT_WALK)
        gait(b)
        grip(b, hold)
        follow_scent(b)
        B[key] = b
    for key, crossed in (("w705", False), ("w705f", True)):
        b = AntBrain("00C0000002090000", OUT_WALK)
        gait(b)
        grip(b, y=64)
        home(b, crossed)
        B[key] = b
    for key, mark in (("w706", True), ("w706f", False)):
        b = AntBrain("00E0000002090000", "000000007C200000")
        gait(b)
        forage(b, mark)
        B[key] = b
    for key, forget in (("w708", True), ("w708f", False)):
        b = AntBrain("7BF000000F9FF000", "000000107C200000")
        gait(b)
        colony(b, forget)
        B[key] = b
    return B
