#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Writes the game's sounds into resources/sounds/ as 16-bit mono WAV files at 44.1 kHz.

Every sound is made of soft bell-like tones (a sine with a little of its octave) whose
loudness rises within a few milliseconds and dies away, so that no sound clicks at its start
or end. Nothing is random: running this twice gives the same bytes.
Usage: make-sounds.py [OUTPUT_FOLDER]
"""

import math
import os
import struct
import sys
import wave

RATE = 44100
# Well below full scale: the game's sounds stay soft beside other programs.
PEAK = 0.45
ATTACK = 0.004
RELEASE = 0.012


def note(frequency, start, length, loudness=1.0, decay=6.0, glide=1.0):
    """A tone from start for length seconds; glide is the ratio its pitch moves to by the end."""
    return (frequency, start, length, loudness, decay, glide)


# C major, from the fourth octave up.
C4, D4, E4, G4, A4 = 261.63, 293.66, 329.63, 392.00, 440.00
C5, E5, G5 = 523.25, 659.25, 783.99
C6, E6 = 1046.50, 1318.51

SOUNDS = {
    # A light wooden tap as a card is turned over.
    "turn": (0.06, [note(1400, 0.0, 0.06, 0.7, decay=60.0, glide=0.7)]),
    # Two rising notes: well done.
    "pair": (0.30, [note(G5, 0.0, 0.14, 0.8, decay=14.0), note(C6, 0.09, 0.21, 1.0, decay=11.0)]),
    # Two gentle falling notes, low and quiet: not this time.
    "miss": (0.25, [note(E4, 0.0, 0.12, 0.8, decay=12.0), note(C4, 0.10, 0.15, 0.8, decay=12.0)]),
    # A rising run ending on a held chord.
    "won": (1.10, [
        note(C5, 0.00, 0.20, 0.7, decay=9.0),
        note(E5, 0.12, 0.20, 0.7, decay=9.0),
        note(G5, 0.24, 0.20, 0.7, decay=9.0),
        note(C6, 0.36, 0.74, 0.8, decay=4.0),
        note(E6, 0.36, 0.74, 0.4, decay=4.0),
        note(G5, 0.36, 0.74, 0.4, decay=4.0),
    ]),
    # A slow falling run that still ends softly on the home note.
    "lost": (0.95, [
        note(G4, 0.00, 0.30, 0.7, decay=6.0),
        note(E4, 0.22, 0.30, 0.7, decay=6.0),
        note(D4, 0.44, 0.25, 0.6, decay=6.0),
        note(C4, 0.60, 0.35, 0.8, decay=5.0),
    ]),
    # A question and its answer on the same note: neither up nor down.
    "drawn": (0.70, [
        note(E5, 0.00, 0.25, 0.7, decay=8.0),
        note(A4, 0.16, 0.25, 0.6, decay=8.0),
        note(E5, 0.34, 0.36, 0.7, decay=6.0),
    ]),
}


def envelope(t, length, decay):
    rise = min(1.0, t / ATTACK)
    fall = min(1.0, (length - t) / RELEASE)
    return max(0.0, rise * fall) * math.exp(-decay * t)


def render(length, notes):
    frames = round(length * RATE)
    samples = [0.0] * frames
    for frequency, start, note_length, loudness, decay, glide in notes:
        first = round(start * RATE)
        count = min(round(note_length * RATE), frames - first)
        phase = 0.0
        for i in range(count):
            t = i / RATE
            pitch = frequency * glide ** (t / note_length)
            phase += 2 * math.pi * pitch / RATE
            tone = math.sin(phase) + 0.25 * math.sin(2 * phase)
            samples[first + i] += loudness * envelope(t, note_length, decay) * tone
    loudest = max(abs(s) for s in samples)
    return [round(32767 * PEAK * s / loudest) for s in samples]


def write(folder, name, samples):
    with wave.open(os.path.join(folder, name + ".wav"), "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(struct.pack("<%dh" % len(samples), *samples))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "resources", "sounds")
    folder = sys.argv[1] if len(sys.argv) > 1 else default
    os.makedirs(folder, exist_ok=True)
    for name, (length, notes) in SOUNDS.items():
        write(folder, name, render(length, notes))


if __name__ == "__main__":
    main()
