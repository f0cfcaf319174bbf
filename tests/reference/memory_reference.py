#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""A second, independent model of the game's rules: the deal, the turns and the
computer's three levels, written from the rules alone and sharing no code with
the engine. It prints the C++ header tests/game/ReferenceTables.h, whose known
deals and known games the engine must reproduce exactly.

    python3 tests/reference/memory_reference.py > tests/game/ReferenceTables.h
    python3 tests/reference/memory_reference.py --check tests/game/ReferenceTables.h

The scripted player (every human in the games below plays this way):
  It remembers every card it has seen face up, turned by either player, for the
  whole game. In two-person games both people share this memory, as both watch
  the same table.
  1. If it knows a pair still on the table (both places seen, same face), it
     turns the known pair whose lower place is lowest, lower place first.
  2. Otherwise it turns the lowest-numbered place on the table it has never
     seen. If it has seen the partner of that face on the table, it turns the
     partner; otherwise it turns the lowest-numbered other place on the table it
     has never seen.
"""
import sys

PLACES = 40
FACES = 20
MULTIPLIER = 134775813
MASK = 0xFFFFFFFF

DEAL_SEEDS = (0, 12345, 43200000, 86399999)
# One complete game per opponent: (name, opponent, seed). The Intermediate seed
# gives a game in which the computer, having taken every pair it knew, twice
# has to choose its first card among cards it has never seen.
GAMES = (
    ("TwoPeople", "Human", 20260101),
    ("Beginner", "Beginner", 1234581),
    ("Intermediate", "Intermediate", 3267),
    ("Wizard", "Wizard", 86399999),
)


class Generator:
    """The program's one random generator: a 32-bit linear congruence."""

    def __init__(self, seed):
        self.seed = seed & MASK

    def draw(self, n):
        self.seed = (self.seed * MULTIPLIER + 1) & MASK
        return (self.seed * n) >> 32

    def place(self):
        """A place 1..40 from a draw in 0..40; 0 counts as place 1."""
        return self.draw(PLACES + 1) or 1

    def place_where(self, condition):
        """Draws again until the place meets the condition."""
        while True:
            p = self.place()
            if condition(p):
                return p


def deal(gen):
    """Faces 1..20 then 1..20 again, each on the next free place drawn."""
    faces = [0] * (PLACES + 1)
    dealt = 0
    while dealt < PLACES:
        p = gen.place()
        if faces[p] == 0:
            faces[p] = dealt % FACES + 1
            dealt += 1
    return faces


class Game:
    def __init__(self, seed, opponent):
        self.gen = Generator(seed)
        self.faces = deal(self.gen)
        self.opponent = opponent
        self.on_table = set(range(1, PLACES + 1))
        self.computer_seen = set()
        self.player_seen = set()
        self.points = [0, 0]
        self.mistakes = [0, 0]
        self.mover = 0
        self.moves = []
        self.unseen_first_cards = 0

    def first_seen_partner(self, p, seen):
        """The first place other than p with p's face among `seen`, or None."""
        for i in range(1, PLACES + 1):
            if i != p and self.faces[i] == self.faces[p] and i in seen:
                return i
        return None

    def scripted_move(self):
        known = sorted(p for p in self.on_table & self.player_seen)
        for a in known:
            b = self.first_seen_partner(a, known)
            if b is not None:
                return a, b
        unseen = sorted(self.on_table - self.player_seen)
        a = unseen[0]
        b = self.first_seen_partner(a, self.on_table & self.player_seen)
        return a, (b if b is not None else unseen[1])

    def beginner_move(self):
        gen, seen = self.gen, self.computer_seen
        p = gen.place_where(lambda i: i in self.on_table)
        seen.add(p)
        q = gen.place_where(lambda i: i != p and i in self.on_table)
        seen.add(q)
        return p, q

    def intermediate_move(self):
        gen, seen = self.gen, self.computer_seen
        if self.on_table & seen:
            p = gen.place_where(lambda i: i in seen and i in self.on_table)
        else:
            self.unseen_first_cards += 1
            p = gen.place_where(lambda i: i not in seen and i in self.on_table)
            seen.add(p)
        q = self.first_seen_partner(p, seen)
        if q is None:
            q = gen.place_where(lambda i: i not in seen)
            seen.add(q)
        return p, q

    def wizard_move(self):
        p = self.gen.place_where(lambda i: i in self.on_table)
        return p, self.first_seen_partner(p, range(1, PLACES + 1))

    def play(self):
        computer_moves = {
            "Beginner": self.beginner_move,
            "Intermediate": self.intermediate_move,
            "Wizard": self.wizard_move,
        }
        while self.on_table:
            if self.mover == 1 and self.opponent in computer_moves:
                a, b = computer_moves[self.opponent]()
            else:
                a, b = self.scripted_move()
                self.computer_seen |= {a, b}
            self.player_seen |= {a, b}
            self.moves.append((self.mover + 1, a, b))
            if self.faces[a] == self.faces[b]:
                self.on_table -= {a, b}
                self.points[self.mover] += 10
            else:
                self.mistakes[self.mover] += 1
                self.mover ^= 1
        return self


def rows(values, per_row, indent):
    items = [str(v) for v in values]
    return ",\n".join(indent + ", ".join(items[i:i + per_row])
                      for i in range(0, len(items), per_row))


def header():
    out = [
        "// SPDX-License-Identifier: MIT",
        "// Generated by tests/reference/memory_reference.py, do not edit:",
        "//   python3 tests/reference/memory_reference.py > tests/game/ReferenceTables.h",
        "// Known deals and complete games worked out by an independent model of the",
        "// rules, for the engine to reproduce exactly.",
        "#pragma once",
        "",
        "#include <array>",
        "#include <cstdint>",
        "#include <span>",
        "",
        "namespace reference {",
        "",
        "// The tables keep the rows the reference writes, not the formatter's.",
        "// clang-format off",
        "",
        "struct Deal {",
        "    std::uint32_t seed;",
        "    std::array<int, 40> faces; // faces of places 1..40",
        "};",
        "",
        "inline constexpr std::array<Deal, %d> deals{{" % len(DEAL_SEEDS),
    ]
    for seed in DEAL_SEEDS:
        faces = deal(Generator(seed))[1:]
        out += ["    {%du," % seed, "     {" + rows(faces, 10, "      ").lstrip() + "}},"]
    out += [
        "}};",
        "",
        "enum class Opponent { Human, Beginner, Intermediate, Wizard };",
        "",
        "struct Move {",
        "    int mover; // 1 or 2",
        "    int first;",
        "    int second;",
        "};",
        "",
    ]
    games = []
    for name, opponent, seed in GAMES:
        game = Game(seed, opponent).play()
        games.append((name, opponent, seed, game))
        moves = ["{%d, %d, %d}" % m for m in game.moves]
        out += [
            "inline constexpr std::array<Move, %d> moves%s{{" % (len(moves), name),
            rows(moves, 6, "    ") + ",",
            "}};",
            "",
        ]
    out += [
        "struct Game {",
        "    const char *name;",
        "    Opponent opponent;",
        "    std::uint32_t seed;",
        "    std::span<const Move> moves;",
        "    int points1, mistakes1, points2, mistakes2;",
        "};",
        "",
        "inline constexpr std::array<Game, %d> games{{" % len(games),
    ]
    for name, opponent, seed, g in games:
        out.append('    {"%s", Opponent::%s, %du, moves%s, %d, %d, %d, %d},' % (
            name, opponent, seed, name, g.points[0], g.mistakes[0], g.points[1], g.mistakes[1]))
    out += ["}};", "// clang-format on", "", "} // namespace reference", ""]
    return "\n".join(out)


def main(argv):
    text = header()
    if len(argv) == 3 and argv[1] == "--check":
        with open(argv[2], "rb") as f:
            if f.read() == text.encode():
                return 0
        print("%s differs from the reference's output; regenerate it." % argv[2])
        return 1
    if len(argv) != 1:
        print("usage: memory_reference.py [--check HEADER]", file=sys.stderr)
        return 2
    sys.stdout.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
