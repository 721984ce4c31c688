#!/usr/bin/env python3
"""Makes the band-warning sounds of FT-817 Corvane: "ding.wav" (entering an
amateur band, a short bell) and "chord.wav" (leaving one, a falling minor
chord). 22050 Hz, 16-bit mono PCM. Run from res/: python3 tools/make_sounds.py
Only the standard library is used, so the files come out the same each time."""
import math
import struct
import wave

RATE = 22050


def write(path, samples):
    peak = max(abs(s) for s in samples) or 1.0
    scale = 0.7 * 32767 / peak
    frames = b"".join(struct.pack("<h", int(round(s * scale))) for s in samples)
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def envelope(t, attack, decay):
    """A quick linear attack, then an exponential decay."""
    if t < attack:
        return t / attack
    return math.exp(-(t - attack) / decay)


def ding():
    # A small bell: the strike tone with the inharmonic partials of a bell,
    # the higher ones dying away faster.
    seconds = 0.9
    base = 1318.5  # E6
    partials = [(1.0, 1.0, 0.30), (2.0, 0.45, 0.18), (2.76, 0.30, 0.12), (5.40, 0.12, 0.06)]
    out = []
    for n in range(int(seconds * RATE)):
        t = n / RATE
        s = 0.0
        for ratio, level, decay in partials:
            s += level * envelope(t, 0.004, decay) * math.sin(2 * math.pi * base * ratio * t)
        # fade the tail to silence so the file ends cleanly
        tail = seconds - t
        if tail < 0.1:
            s *= tail / 0.1
        out.append(s)
    return out


def chord():
    # A minor chord struck from the top down, softly, with a slow fade: it
    # says "out of band" without sounding like an alarm.
    seconds = 1.4
    notes = [(880.0, 0.00), (659.26, 0.06), (523.25, 0.12), (440.0, 0.18)]  # A5 E5 C5 A4
    out = []
    for n in range(int(seconds * RATE)):
        t = n / RATE
        s = 0.0
        for freq, start in notes:
            if t < start:
                continue
            u = t - start
            e = envelope(u, 0.012, 0.45)
            s += e * (math.sin(2 * math.pi * freq * u) + 0.25 * math.sin(4 * math.pi * freq * u))
        # fade the tail to silence so the file ends cleanly
        tail = seconds - t
        if tail < 0.1:
            s *= tail / 0.1
        out.append(s)
    return out


write("sounds/ding.wav", ding())
write("sounds/chord.wav", chord())
