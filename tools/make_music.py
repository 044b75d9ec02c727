#!/usr/bin/python3
"""Composes the campaign's ambient music loops into <datadir>/music/.

Usage: make_music.py <datadir> [<plotdir>]

Each piece is a loop: every note, every noise and the reverb are laid on a
circle of the loop's length, so a note that rings past the end sounds again
at the start and the join has no click. The mix peaks at -12 dBFS, to sit
under the sound effects. 16-bit mono WAV at 22050 Hz, like the sounds.
Fixed random seeds, so a run always writes the same files. With <plotdir>,
also draws each piece's waveform over its spectrogram (as make_sounds.py does).

  calm.wav   40 s  D major: slow pads drifting through four chords over a low
                   drone, a breath of air and a few far-off bells.
  fight.wav  32 s  A minor at 120 beats a minute: a plucked eighth-note bass
                   pulse, a soft kick and tick, dark string chords, and a high
                   ostinato that rises through the middle of the loop.
  title.wav  36 s  E-flat major at 80 beats a minute: wide open chords, a slow
                   bell arpeggio and, in the second half, a gentle melody.
"""
import math
import os
import sys

import numpy as np

from make_sounds import RATE, NYQUIST, bell, shaped_noise, times, write_all

PEAK = 10 ** (-12 / 20)


def pitch(midi):
    return 440.0 * 2 ** ((midi - 69) / 12)


class Loop:
    """A circular track of a fixed length: whatever is laid past the end wraps round."""

    def __init__(self, seconds):
        self.n = int(round(seconds * RATE))
        self.seconds = self.n / RATE
        self.track = np.zeros(self.n)

    def lay(self, signal, at_seconds, gain=1.0):
        start = int(round(at_seconds * RATE)) % self.n
        for offset in range(0, len(signal), self.n):
            piece = signal[offset:offset + self.n] * gain
            head = min(len(piece), self.n - start)
            self.track[start:start + head] += piece[:head]
            self.track[:len(piece) - head] += piece[head:]

    def steady(self, frequency):
        """The nearest frequency that fits a whole number of cycles in the loop."""
        return round(frequency * self.seconds) / self.seconds

    def clock(self):
        return np.arange(self.n) / RATE

    def finished(self):
        """The track scaled to peak at -12 dBFS."""
        return self.track * (PEAK / np.max(np.abs(self.track)))


def swell(length, rise, fall):
    """Envelope of length seconds: a raised-cosine rise, a hold and a raised-cosine fall."""
    t = times(length)
    up = 0.5 - 0.5 * np.cos(np.pi * np.clip(t / rise, 0, 1))
    down = 0.5 - 0.5 * np.cos(np.pi * np.clip((length - t) / fall, 0, 1))
    return up * down


def warm(frequency, length, brightness, rng, voices=3, cents=7.0):
    """A pad tone: detuned sawtooth voices with their overtones rolled off above
    brightness Hz, so it is soft and full rather than buzzy."""
    t = times(length)
    out = np.zeros(len(t))
    for v in range(voices):
        f = frequency * 2 ** (cents * (v - (voices - 1) / 2) / 1200)
        k = 1
        while k * f < NYQUIST * 0.8 and math.exp(-k * f / brightness) / k > 0.002:
            out += math.exp(-k * f / brightness) / k * np.sin(2 * np.pi * k * f * t + rng.uniform(0, 2 * np.pi))
            k += 1
    return out / voices


def pluck(frequency, length, brightness, fade):
    """A plucked tone: a sawtooth whose overtones die away faster than its root."""
    t = times(length)
    out = np.zeros(len(t))
    k = 1
    while k * frequency < NYQUIST * 0.8 and k < 40:
        out += np.sin(2 * np.pi * k * frequency * t) / k * np.exp(-t * k * frequency / (brightness * fade))
        k += 1
    return out * np.exp(-t / fade) * swell(length, 0.004, 0.03)


def lead(frequency, length, rise, fall):
    """A soft singing tone: sine with a quiet octave and a slow vibrato that grows in."""
    t = times(length)
    vibrato = 1 + 0.004 * np.sin(2 * np.pi * 5.0 * t) * np.clip(t / 1.0, 0, 1)
    phase = 2 * np.pi * np.cumsum(frequency * vibrato) / RATE
    return (np.sin(phase) + 0.25 * np.sin(2 * phase) + 0.08 * np.sin(3 * phase)) * swell(length, rise, fall)


def reverb(loop, seconds, wet, rng, tone=3000.0):
    """Adds a diffuse tail seconds long, convolved round the circle so it wraps too."""
    ir = shaped_noise(rng, loop.n, lambda f: 1 / (1 + (f / tone) ** 2))
    t = np.arange(loop.n) / RATE
    ir *= np.exp(-t / (seconds / 6.9)) * (t > 0.02)
    ir /= np.sqrt(np.sum(ir ** 2))
    tail = np.fft.irfft(np.fft.rfft(loop.track) * np.fft.rfft(ir), loop.n)
    loop.track = loop.track + wet * tail * (np.max(np.abs(loop.track)) / np.max(np.abs(tail)))


def air(loop, rng, centre, width, level, breaths):
    """A breath of band-passed noise that swells `breaths` times per loop."""
    noise = shaped_noise(rng, loop.n, lambda f: np.exp(-((f - centre) / width) ** 2))
    noise /= np.max(np.abs(noise))
    breathing = 0.6 + 0.4 * np.sin(2 * np.pi * breaths * loop.clock() / loop.seconds)
    loop.track += level * noise * breathing


# ---------------------------------------------------------------- the pieces

def calm():
    """Slow pads in D major drifting through four chords over a D drone, with air and bells."""
    rng = np.random.default_rng(301)
    loop = Loop(40.0)
    chords = [[50, 57, 64, 66, 69],   # D add9
              [47, 54, 62, 64, 69],   # B minor 11
              [43, 50, 59, 66, 69],   # G major 7
              [45, 52, 59, 62, 64]]   # A sus
    for k, chord in enumerate(chords):
        for note in chord:
            tone = warm(pitch(note), 14.0, 900.0, rng) * swell(14.0, 4.0, 5.0)
            loop.lay(tone, k * 10.0 - 1.0, 0.22)
    t = loop.clock()
    drone = np.sin(2 * np.pi * loop.steady(pitch(38)) * t) + 0.35 * np.sin(2 * np.pi * loop.steady(pitch(45)) * t)
    loop.track += 0.35 * drone * (0.8 + 0.2 * np.sin(2 * np.pi * 2 * t / loop.seconds))
    scale = [74, 76, 78, 81, 83, 86, 88]  # D major pentatonic, high
    for k in range(9):
        when = k * loop.seconds / 9 + rng.uniform(0.0, 2.5)
        note = scale[rng.integers(len(scale))]
        chime = bell(times(5.0), pitch(note), 1.4) * swell(5.0, 0.01, 1.0)
        loop.lay(chime, when, 0.05 * rng.uniform(0.6, 1.0))
    air(loop, rng, 500.0, 300.0, 0.04, 3)
    reverb(loop, 4.0, 0.5, rng, 2500.0)
    return loop.finished()


def fight():
    """A plucked bass pulse in A minor at 120 beats a minute with a soft kick and tick,
    dark string chords and a high ostinato that rises through the middle of the loop."""
    rng = np.random.default_rng(311)
    loop = Loop(32.0)
    beat = 0.5
    # One chord every two bars: bass root, then the string voicing.
    progression = [(45, [57, 60, 64]), (45, [57, 60, 64]), (41, [57, 60, 65]), (43, [55, 59, 62]),
                   (45, [57, 60, 64]), (45, [57, 60, 64]), (38, [57, 62, 65]), (40, [56, 59, 64])]
    for k, (root, strings) in enumerate(progression):
        start = k * 8 * beat
        for e in range(16):
            note = root + (12 if e % 8 == 7 else 0)
            accent = 1.0 if e % 2 == 0 else 0.65
            tone = pluck(pitch(note), 0.24, 700.0, 0.12) + 0.5 * np.sin(2 * np.pi * pitch(note - 12) * times(0.24)) \
                * swell(0.24, 0.004, 0.05)
            loop.lay(tone, start + e * beat / 2, 0.30 * accent)
        for note in strings:
            tone = warm(pitch(note), 5.0, 700.0, rng, cents=9.0) * swell(5.0, 0.9, 1.6)
            loop.lay(tone, start - 0.3, 0.10)
    # A sixteenth-note ostinato over the strings, silent at the join and loudest midway.
    ostinato = Loop(loop.seconds)
    for k, (_root, strings) in enumerate(progression):
        for s in range(32):
            note = strings[-1] if s % 4 == 0 else strings[0] if s % 2 else strings[1]
            ostinato.lay(pluck(pitch(note + 12), 0.2, 2000.0, 0.08), k * 8 * beat + s * beat / 4)
    rise = 0.5 - 0.5 * np.cos(2 * np.pi * loop.clock() / loop.seconds)
    loop.track += 0.05 * rise * ostinato.track
    kick_t = times(0.4)
    kick = np.sin(2 * np.pi * np.cumsum(45 + 40 * np.exp(-kick_t / 0.03)) / RATE) * np.exp(-kick_t / 0.12)
    tick_t = times(0.05)
    tick = shaped_noise(rng, len(tick_t), lambda f: (f > 6000) * 1.0) * np.exp(-tick_t / 0.012)
    tick /= np.max(np.abs(tick))
    for b in range(int(loop.seconds / beat)):
        if b % 2 == 0:
            loop.lay(kick, b * beat, 0.3)
        loop.lay(tick, b * beat + beat / 2, 0.05)
    air(loop, rng, 180.0, 120.0, 0.05, 2)
    reverb(loop, 1.8, 0.25, rng, 3500.0)
    return loop.finished()


def title():
    """Wide open chords in E-flat major at 80 beats a minute, a slow bell arpeggio, and
    a gentle melody over the second half."""
    rng = np.random.default_rng(321)
    loop = Loop(36.0)
    chord_length = 4.5
    # I V vi IV I V IV V: bass root and an open voicing (fifth, tenth, octave, ninth).
    chords = [(39, [46, 55, 58, 65]), (46, [53, 62, 65, 72]), (48, [55, 63, 67, 74]), (44, [51, 60, 63, 70]),
              (39, [46, 55, 58, 65]), (46, [53, 62, 65, 72]), (44, [51, 60, 63, 70]), (46, [53, 58, 62, 70])]
    for k, (root, voicing) in enumerate(chords):
        start = k * chord_length
        bass = warm(pitch(root), 6.0, 400.0, rng, voices=2) * swell(6.0, 0.6, 1.8)
        loop.lay(bass, start - 0.2, 0.30)
        for note in voicing:
            tone = warm(pitch(note), 6.5, 1500.0, rng) * swell(6.5, 1.6, 2.2)
            loop.lay(tone, start - 0.8, 0.12)
        arpeggio = [voicing[0] + 12, voicing[1] + 12, voicing[2] + 12, voicing[3] + 12,
                    voicing[2] + 12, voicing[1] + 12]
        for e in range(12):
            note = arpeggio[e % len(arpeggio)]
            chime = bell(times(2.5), pitch(note), 0.8) * swell(2.5, 0.005, 0.8)
            loop.lay(chime, start + e * chord_length / 12, 0.05 if e % 3 else 0.07)
    melody = [(18.0, 79, 2.2), (20.25, 77, 2.2), (22.5, 75, 1.4), (24.0, 74, 0.75), (24.75, 72, 2.9),
              (27.0, 70, 2.2), (29.25, 72, 2.2), (31.5, 74, 1.4), (33.0, 77, 0.75), (33.75, 75, 2.9)]
    for when, note, length in melody:
        loop.lay(lead(pitch(note), length + 0.6, 0.25, 0.7), when, 0.12)
    t = loop.clock()
    loop.track += 0.12 * np.sin(2 * np.pi * loop.steady(pitch(27)) * t) * (0.7 + 0.3 * np.cos(2 * np.pi * t / 9.0))
    air(loop, rng, 2500.0, 1500.0, 0.012, 4)
    reverb(loop, 5.0, 0.6, rng, 3000.0)
    return loop.finished()


PIECES = {"calm": calm, "fight": fight, "title": title}


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    write_all(PIECES, os.path.join(sys.argv[1], "music"), sys.argv[2] if len(sys.argv) == 3 else None)


if __name__ == "__main__":
    main()
