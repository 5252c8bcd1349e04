#!/usr/bin/env python3
"""Random input scripts for durchlauftraeger, for tests/compare_builds.sh.

    random_scripts.py SEED COUNT DIR

writes COUNT scripts random_00000.txt ... into DIR, the same ones for the same
SEED. Most are whole beams as a user would type them: a first pass from a
left end over segments, shaft segments, point actions, springs, supports and
hinges to a right end (so that --bericht writes its reports), then a second
pass that walks the same beam and prints w, p, M and Q at several points,
splitting segments where it stops inside one; some go on with a third pass or
a second beam, a few are beams of hundreds of spans. About one in ten is
spoilt on purpose: keys that are no command, letters where a number belongs,
codes outside 1..4, refused ends, two right ends in a pass, info pauses, or
input that ends in the middle of a dialogue.
"""

import os
import random
import sys
from decimal import Decimal

WRONG_KEYS = "xyzZAQBCDEFGhjkl?7!.-#0"
NOT_NUMBERS = ["abc", "x", "1,5", "--3", "e5", ".", "+", "1e", "zwei", "0x1p3",
               "nan", "inf", "1e999", "-1e999", "99999999999", "1e-400"]


class Beam:
    """One beam: its left end, the elements of its first pass and its right end.

    Each element is a list of tokens, the key first; segments keep their
    numbers as floats too, so that a later pass can split them.
    """

    def __init__(self, left, elements, right):
        self.left = left
        self.elements = elements
        self.right = right


def plain(value):
    """The shortest text of a float, without exponent where it is whole."""
    if value == int(value) and abs(value) < 1e15:
        return str(int(value))
    return repr(value)


def number(rng, value):
    """value as text, in one of the notations the program reads."""
    text = plain(value)
    roll = rng.random()
    if roll < 0.70 or "e" in text or "inf" in text or "nan" in text:
        return text
    if roll < 0.78:
        return text + ".0" if "." not in text else text + "0"
    if roll < 0.82 and value >= 0:
        return "+" + text
    if roll < 0.86 and 0 < abs(value) < 1 and text.startswith(("0.", "-0.")):
        return text.replace("0.", ".", 1)
    shift = rng.choice([-3, -2, -1, 1, 2, 3])
    mantissa = format(Decimal(text).scaleb(-shift), "f")
    return f"{mantissa}{rng.choice('eE')}{shift}"


def pick(rng, weighted):
    """One of the choices of [(weight, choice), ...]."""
    total = sum(w for w, _ in weighted)
    roll = rng.random() * total
    for weight, choice in weighted:
        roll -= weight
        if roll < 0:
            return choice
    return weighted[-1][1]


class Generator:
    def __init__(self, rng):
        self.rng = rng
        self.zero_chance = 0.0  # of a stiffness or diameter of 0, set per beam

    # --- numbers -----------------------------------------------------------

    def length(self, units):
        rng = self.rng
        if rng.random() < 0.02:
            return 0.0
        if units == "mm":
            return float(rng.choice([20, 30, 40, 60, 80, 100, 125, 12.5]))
        roll = rng.random()
        if roll < 0.6:
            return float(rng.choice([1, 2, 3, 4, 5, 6, 0.5, 1.5, 2.5, 8, 10]))
        if roll < 0.9:
            return round(rng.uniform(0.1, 12), rng.choice([1, 2, 3]))
        return rng.choice([0.001, 25.0, 40.0, 1e-2, 120.0])

    def stiffness(self):
        rng = self.rng
        if rng.random() < self.zero_chance:
            return 0.0
        if rng.random() < 0.005:
            return -100.0
        return float(rng.choice([100, 100, 100, 1, 10, 2e5, 1e4, 3500, 37.5, 2.1e8, 1e-3]))

    def load(self, units):
        rng = self.rng
        if units == "mm":
            return float(rng.choice([0, 1, 2.5, 5, -3, 10]))
        roll = rng.random()
        if roll < 0.5:
            return float(rng.choice([10, 1, 5, 20, 2.5, 0]))
        if roll < 0.8:
            return round(rng.uniform(-20, 40), rng.choice([0, 1, 2, 3]))
        return rng.choice([-10.0, 1e3, 1.25e-2, 0.0, 7.5])

    def slope(self):
        rng = self.rng
        if rng.random() < 0.75:
            return 0.0
        return float(rng.choice([1, 2, -1, 6, 0.5, -2.5, 3]))

    # --- elements ----------------------------------------------------------

    def segment(self, units):
        """A beam segment (c) or a shaft segment (e) with or without load."""
        rng = self.rng
        if units == "mm":
            length = self.length("mm")
            modulus = rng.choice([210000.0, 210000.0, 70000.0, 2.1e5, 1e5])
            diameter = 0.0 if rng.random() < self.zero_chance else float(rng.choice([30, 38, 40, 45, 50, 60, 25.5]))
            head = ["e", number(rng, length), number(rng, modulus), number(rng, diameter)]
        elif units == "m" and rng.random() < 0.2:
            length = self.length("m")
            modulus = rng.choice([2.1e11, 210e9, 7e10])
            diameter = 0.0 if rng.random() < self.zero_chance else rng.choice([0.03, 0.04, 0.05, 0.1, 0.045])
            head = ["e", number(rng, length), number(rng, modulus), number(rng, diameter)]
        else:
            length = self.length("m")
            head = ["c", number(rng, length), number(rng, self.stiffness())]
        if rng.random() < 0.55:
            q = self.load(units)
            qs = self.slope()
            return {"kind": "segment", "head": head, "length": length,
                    "answer": "1", "q": q, "qs": qs,
                    "tokens": head + ["1", number(rng, q), number(rng, qs)]}
        answer = pick(rng, [(85, "0"), (5, "2"), (5, "-1"), (5, "7")])
        return {"kind": "segment", "head": head, "length": length,
                "answer": answer, "tokens": head + [answer]}

    def point_action(self, units):
        rng = self.rng
        code = pick(rng, [(70, 4), (15, 3), (8, 2), (7, 1)])
        if code == 4:
            value = float(rng.choice([2000, 1200, 500, -800])) if units == "mm" else self.load("m")
        elif code == 3:
            value = float(rng.choice([10, -5, 2.5, 1e4, 0]))
        else:
            value = float(rng.choice([0.01, -0.02, 1e-3, 0.005, 0]))
        return {"kind": "other", "tokens": ["d", str(code), number(rng, value)]}

    def spring(self):
        rng = self.rng
        c = float(rng.choice([50, 75, 10, 100, 1e3, 2.5, 0, 500]))
        return {"kind": "other", "tokens": ["b", number(rng, c)]}

    def condition(self):
        """An intermediate support, hinge, settled support or odder condition."""
        rng = self.rng
        tokens = pick(rng, [
            (70, ["f", "1", "0", "0"]),
            (12, ["f", "3", "0", "0"]),
            (5, ["f", "1", rng.choice(["0.01", "-0.02", "1e-3", "0.08"]), "0"]),
            (3, ["f", "2", "0", "0"]),
            (3, ["f", "4", rng.choice(["0", "5", "-10"]), "0"]),
            (3, ["f", "3", rng.choice(["5", "-2.5"]), "0"]),
            (4, ["f", "1", "0", rng.choice(["2", "-1", "00"])]),
        ])
        return {"kind": "other", "tokens": tokens}

    # --- beams -------------------------------------------------------------

    def beam(self, spans):
        rng = self.rng
        units = pick(rng, [(75, "m"), (20, "mm"), (5, "mixed")])
        self.zero_chance = 0.1 if rng.random() < 0.08 else 0.0
        left = pick(rng, [(45, ["a", "2", "4"]), (25, ["a", "3", "4"]), (22, ["a", "1", "2"]),
                          (8, ["a", *rng.choice([("4", "2"), ("2", "3"), ("1", "3"), ("1", "4"),
                                                 ("4", "3"), ("2", "1"), ("4", "1")])])])
        free_left = left[1:] == ["1", "2"]
        elements = []
        if free_left and rng.random() < 0.3:
            elements.append(self.spring())
        if rng.random() < 0.1:
            elements.append(self.point_action(units))
        for span in range(spans):
            pieces = pick(rng, [(50, 1), (30, 2), (15, 3), (5, 4)])
            for piece in range(pieces):
                if piece > 0 and rng.random() < 0.5:
                    roll = rng.random()
                    if roll < 0.6:
                        elements.append(self.point_action(units))
                    elif roll < 0.85:
                        elements.append(self.spring())
                    else:
                        elements.append({"kind": "other", "tokens": ["f", "3", "0", "0"]})
                seg_units = rng.choice(["m", "mm"]) if units == "mixed" else units
                elements.append(self.segment(seg_units))
                if rng.random() < 0.03:
                    elements.append({"kind": "g", "tokens": ["g", "."]})
            if span < spans - 1:
                roll = rng.random()
                if roll < 0.85:
                    elements.append(self.condition())
                elif roll < 0.93:
                    elements.append(self.spring())
                else:
                    elements.append({"kind": "other", "tokens": ["f", "1", "0", "0"]})
                    elements.append({"kind": "other", "tokens": ["f", "3", "0", "0"]})
        if free_left and spans == 1:
            right_choice = pick(rng, [(80, "clamped"), (20, "spring")])
        else:
            right_choice = pick(rng, [(45, "pinned"), (25, "clamped"), (18, "free"),
                                      (6, "moment"), (3, "settled"), (3, "odd")])
        if right_choice == "spring":
            elements.append(self.spring())
            right = ["f", "3", "0", "1", "4", "0"]
        elif right_choice == "pinned":
            right = ["f", "1", "0", "1", "3", "0"]
        elif right_choice == "clamped":
            right = ["f", "1", "0", "1", "2", "0"]
        elif right_choice == "free":
            right = ["f", "3", number(rng, rng.choice([0.0, 0.0, 5.0, -2.5])), "1",
                     "4", number(rng, rng.choice([0.0, 0.0, 3.0, -10.0, 1e3]))]
        elif right_choice == "moment":
            right = ["f", "1", "0", "1", "3", number(rng, rng.choice([10.0, -4.0, 0.5]))]
        elif right_choice == "settled":
            right = ["f", "1", rng.choice(["0.08", "-0.01", "1e-2"]), "1", "3", "0"]
        else:
            right = ["f", *rng.choice([("2", "0", "1", "4", "0"), ("1", "0", "1", "4", "0"),
                                       ("3", "0", "1", "2", "0"), ("2", "0.01", "1", "1", "0")])]
        return Beam(left, elements, right)

    def first_pass(self, beam):
        lines = [" ".join(beam.left)]
        lines += [" ".join(e["tokens"]) for e in beam.elements]
        lines.append(" ".join(beam.right))
        return lines

    def pause_key(self):
        return pick(self.rng, [(90, "."), (4, "x"), (3, "1"), (3, "+")])

    def results(self):
        return "g " + self.pause_key()

    def split(self, element, share):
        """The segment's pieces of share and the rest of its length."""
        rng = self.rng
        length = element["length"]
        first = length * share
        pieces = []
        for start, piece in ((0.0, first), (first, length - first)):
            head = [element["head"][0], plain(piece)] + element["head"][2:]
            if element["answer"] == "1":
                q = element["q"] + element["qs"] * start
                pieces.append(head + ["1", plain(q), number(rng, element["qs"])])
            else:
                pieces.append(head + [element["answer"]])
        return pieces

    def second_pass(self, beam, long_beam):
        """Walks the beam again, asking for results at some points."""
        rng = self.rng
        rate = 0.05 if long_beam else rng.choice([0.2, 0.4, 0.7])
        stop = len(beam.elements)
        if rng.random() < 0.2 and beam.elements:
            stop = rng.randrange(len(beam.elements) + 1)
        lines = [" ".join(beam.left)]
        if rng.random() < 0.6:
            lines.append(self.results())
        for element in beam.elements[:stop]:
            if element["kind"] == "g":
                continue
            if element["kind"] == "segment" and element["length"] > 0 and rng.random() < 0.3:
                share = rng.choice([0.5, 0.25, 0.75, 0.1, 1 / 3, 0.625])
                first, rest = self.split(element, share)
                lines.append(" ".join(first))
                lines.append(self.results())
                lines.append(" ".join(rest))
            else:
                lines.append(" ".join(element["tokens"]))
            if rng.random() < rate:
                lines.append(self.results())
        if stop == len(beam.elements) and rng.random() < 0.08:
            lines.append(" ".join(beam.right))
        lines.append(self.results())
        return lines

    def plausible(self):
        """A script of whole beams, as a list of command lines."""
        rng = self.rng
        long_beam = rng.random() < 0.03
        spans = rng.randint(100, 400) if long_beam else pick(rng, [(40, rng.randint(1, 3)),
                                                                    (40, rng.randint(2, 8)),
                                                                    (20, rng.randint(5, 30))])
        beam = self.beam(spans)
        lines = self.first_pass(beam)
        if rng.random() < 0.05:
            lines.append(self.results())
        if rng.random() < 0.95:
            lines += self.second_pass(beam, long_beam)
        if rng.random() < 0.2:
            lines += self.second_pass(beam, long_beam)
        if rng.random() < 0.2:
            other = self.beam(pick(rng, [(70, rng.randint(1, 4)), (30, rng.randint(5, 15))]))
            lines += self.first_pass(other)
            if rng.random() < 0.8:
                lines += self.second_pass(other, False)
        return lines

    # --- junk --------------------------------------------------------------

    def spoil(self, lines):
        """The script with one to three mistakes in it."""
        rng = self.rng
        for _ in range(rng.randint(1, 3)):
            kind = rng.randrange(9)
            at = rng.randrange(len(lines) + 1)
            if kind == 0:
                for _ in range(rng.randint(1, 3)):
                    lines.insert(at, rng.choice(WRONG_KEYS))
            elif kind == 1:
                candidates = [i for i, line in enumerate(lines) if len(line.split()) > 1]
                if candidates:
                    i = rng.choice(candidates)
                    tokens = lines[i].split()
                    tokens[rng.randrange(1, len(tokens))] = rng.choice(NOT_NUMBERS)
                    lines[i] = " ".join(tokens)
            elif kind == 2:
                lines.insert(at, rng.choice(["d 0 5", "d 5 1", "d -1 2", "f 0 0 0", "f 5 1 0",
                                             "a 0 4", "a 2 5", "a 9 9", "f 1 0 1 5 0",
                                             "f 1 0 1 0 0", "d 99999999999 5"]))
            elif kind == 3:
                ends = [i for i, line in enumerate(lines) if line.startswith("f") and len(line.split()) == 6]
                if ends:
                    i = rng.choice(ends)
                    if rng.random() < 0.5:
                        lines.insert(i, "f 3 0 0")
                        lines[i + 1] = "f 1 0 1 3 0"
                    else:
                        tokens = lines[i].split()
                        tokens[4] = rng.choice(["5", "0", "-4"])
                        lines[i] = " ".join(tokens)
            elif kind == 4:
                ends = [i for i, line in enumerate(lines) if line.startswith("f") and len(line.split()) == 6]
                if ends:
                    i = rng.choice(ends)
                    extra = [lines[i]] if rng.random() < 0.5 else ["c 2 100 1 5 0", "f 1 0 1 2 0"]
                    lines[i + 1:i + 1] = extra
            elif kind == 5:
                lines[at:at] = [rng.choice(["a 2 2", "a 3 3", "a 4 4", "a 1 1"]),
                                "c 2 100 1 10 0", "d 4 5", "g .", "f 1 0 0", "c 1 100 0",
                                "f 1 0 1 3 0", "g ."][:rng.randint(2, 8)]
            elif kind == 6:
                lines.insert(at, "i " + rng.choice(["x", ".", "i", "q"]))
            elif kind == 7:
                lines.insert(0, rng.choice(["f 1 0 0", "f 1 0 1 3 0", "g .", "d 4 1", "c 1 1 0"]))
            else:
                lines.insert(at, rng.choice(["g", "b", "c", "a 2", "1 2 3", "q"]))
        return lines

    def cut(self, text):
        """The text cut off in the middle of a command's dialogue."""
        rng = self.rng
        starts = [i for i in range(len(text)) if text[i] in "abcdef"
                  and (i == 0 or text[i - 1] in " \n")]
        if not starts:
            return text
        start = rng.choice(starts)
        end = text.find("\n", start)
        end = len(text) if end < 0 else end
        return text[:rng.randint(start + 1, max(start + 1, end - 1))]

    # --- whole scripts -----------------------------------------------------

    def layout(self, lines):
        """The lines as one script text, mostly one command a line."""
        rng = self.rng
        roll = rng.random()
        if roll < 0.80:
            return "\n".join(lines) + "\n"
        if roll < 0.92:
            text = ""
            for line in lines:
                text += line + rng.choice([" ", " ", "\n", "\t"])
            return text + "\n"
        if roll < 0.97:
            return "\n".join(token for line in lines for token in line.split()) + "\n"
        return "\n".join("  " + line.replace(" ", rng.choice(["  ", "\t", " \t "])) for line in lines)

    def script(self):
        rng = self.rng
        junk = rng.random() < 0.1
        lines = self.plausible()
        ending = pick(rng, [(88, ["q"]), (8, []), (4, ["q", "a 2 4 c 1 1 0", "junk after q"])])
        if junk:
            lines = self.spoil(lines + ending)
            text = self.layout(lines)
            if rng.random() < 0.4:
                text = self.cut(text)
            if rng.random() < 0.1:
                text = text.replace("\n", "\r\n")
            return text
        return self.layout(lines + ending)


def main(argv):
    if len(argv) != 4:
        sys.stderr.write("usage: random_scripts.py SEED COUNT DIR\n")
        return 2
    seed, count, directory = argv[1], int(argv[2]), argv[3]
    os.makedirs(directory, exist_ok=True)
    for index in range(count):
        rng = random.Random(f"durchlauftraeger:{seed}:{index}")
        text = Generator(rng).script()
        with open(os.path.join(directory, f"random_{index:05d}.txt"), "w", newline="") as file:
            file.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
