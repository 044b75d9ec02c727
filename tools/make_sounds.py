#!/usr/bin/python3
"""Synthesises the game's sounds.

Usage: make_sounds.py <outdir> [<plotdir>]

Writes one 16-bit mono WAV per sound into <outdir>. Every sound is built from
sine tones, band-limited harmonics and filtered noise with fixed random seeds,
so a run always writes the same files. With <plotdir>, also draws a picture of
each sound (waveform over spectrogram) to check by eye that, say, the gun is a
falling tone and not a burst of noise. The engine and the laser are loops:
they are built periodic (whole cycles, circular filtering) so they repeat
without a click.
"""
import math
import os
import sys
import wave

import numpy as np

RATE = 22050
NYQUIST = RATE / 2


# ---------------------------------------------------------------- building blocks

def times(seconds):
    return np.arange(int(round(seconds * RATE))) / RATE


def glide(start, end, seconds, t):
    """An exponential frequency glide from start to end Hz, held at end afterwards."""
    s = np.clip(t / seconds, 0, 1)
    return start * (end / start) ** s


def phase_of(frequency):
    """Running phase (radians) of a tone whose frequency changes per sample."""
    return 2 * np.pi * np.cumsum(frequency) / RATE


def harmonics(phase, top_frequency, weight):
    """Sum of sin(k * phase) * weight(k) for every harmonic below the Nyquist limit."""
    out = np.zeros_like(phase)
    k = 1
    while k * top_frequency < NYQUIST * 0.9:
        out += weight(k) * np.sin(k * phase)
        k += 1
    return out


def saw(phase, top_frequency):
    return harmonics(phase, top_frequency, lambda k: 1.0 / k)


def square(phase, top_frequency):
    return harmonics(phase, top_frequency, lambda k: 1.0 / k if k % 2 else 0.0)


def decay(t, seconds):
    return np.exp(-t / seconds)


def attack(t, seconds):
    return 1 - np.exp(-t / seconds)


def filtered(signal, cutoff, resonance=0.7, mode="low"):
    """Two-pole state-variable filter; cutoff (Hz) may change per sample."""
    cutoff = np.broadcast_to(np.asarray(cutoff, dtype=float), signal.shape)
    g = np.tan(np.pi * np.clip(cutoff, 10, NYQUIST * 0.95) / RATE)
    k = 1 / resonance
    a1 = 1 / (1 + g * (g + k))
    a2 = g * a1
    a3 = g * a2
    out = np.empty_like(signal)
    ic1 = ic2 = 0.0
    for i, x in enumerate(signal.tolist()):
        v3 = x - ic2
        v1 = a1[i] * ic1 + a2[i] * v3
        v2 = ic2 + a2[i] * ic1 + a3[i] * v3
        ic1 = 2 * v1 - ic1
        ic2 = 2 * v2 - ic2
        out[i] = v2 if mode == "low" else v1 if mode == "band" else x - k * v1 - v2
    return out


def shaped_noise(rng, n, gain_at):
    """Noise whose spectrum is gain_at(frequency); circular, so it loops seamlessly."""
    spectrum = np.fft.rfft(rng.standard_normal(n))
    spectrum *= gain_at(np.fft.rfftfreq(n, 1 / RATE))
    return np.fft.irfft(spectrum, n)


def modes(t, frequencies, decays, rng):
    """Struck metal: damped sines at inharmonic frequencies, random phases."""
    out = np.zeros_like(t)
    for f, d in zip(frequencies, decays):
        out += np.sin(2 * np.pi * f * t + rng.uniform(0, 2 * np.pi)) * decay(t, d)
    return out


def delayed(signal, seconds, length):
    out = np.zeros(length)
    start = int(round(seconds * RATE))
    end = min(length, start + len(signal))
    out[start:end] = signal[:end - start]
    return out


def normalised(signal, peak):
    return signal * (peak / np.max(np.abs(signal)))


def faded_out(signal, seconds=0.01):
    n = int(seconds * RATE)
    out = signal.copy()
    out[-n:] *= np.linspace(1, 0, n)
    return out


# ---------------------------------------------------------------- the sounds

def engine():
    """Low rumbling filtered noise, a throb at 12 Hz and a faint jet hiss; 1 s loop."""
    rng = np.random.default_rng(11)
    t = times(1.0)
    n = len(t)
    rumble = shaped_noise(rng, n, lambda f: 1 / (1 + (f / 160) ** 2) * (f > 25))
    hiss = shaped_noise(rng, n, lambda f: np.exp(-((f - 1800) / 900) ** 2))
    hum = np.sin(2 * np.pi * 48 * t) + 0.4 * np.sin(2 * np.pi * 96 * t + 1)
    throb = 1 + 0.25 * np.sin(2 * np.pi * 12 * t)
    mix = normalised(rumble, 1) * throb + 0.25 * hum + 0.12 * normalised(hiss, 1)
    return normalised(mix, 0.45)


def laser():
    """Two sawtooths 2 Hz apart buzzing at 60 Hz, with a wavering overtone; 0.5 s loop."""
    t = times(0.5)
    body = saw(2 * np.pi * 220 * t, 220) + saw(2 * np.pi * 222 * t, 222)
    buzz = 1 - 0.35 * (0.5 + 0.5 * np.sin(2 * np.pi * 60 * t))
    shimmer = np.sin(2 * np.pi * 1760 * t + 3 * np.sin(2 * np.pi * 6 * t))
    mix = body * buzz + 0.5 * shimmer
    # Soften the top circularly so the loop stays seamless.
    spectrum = np.fft.rfft(mix)
    spectrum /= 1 + (np.fft.rfftfreq(len(mix), 1 / RATE) / 4000) ** 2
    return normalised(np.fft.irfft(spectrum, len(mix)), 0.35)


def gun_shot():
    """"Pew": a bright pulse tone diving from 1900 to 260 Hz in 0.12 s, with a click."""
    rng = np.random.default_rng(21)
    t = times(0.22)
    f = glide(1900, 260, 0.12, t)
    tone = harmonics(phase_of(f), 1900, lambda k: (1.0 if k % 2 else 0.5) / k)
    click = filtered(rng.standard_normal(len(t)), 3000, mode="high") * decay(t, 0.004)
    mix = tone * attack(t, 0.002) * decay(t, 0.05) + 0.3 * click
    return faded_out(normalised(mix, 0.55))


def shockwave_shot():
    """A wobbling square tone rising from 180 to 700 Hz over a sub-octave, with a whoosh."""
    rng = np.random.default_rng(31)
    t = times(0.45)
    f = glide(180, 700, 0.35, t) * (1 + 0.08 * np.sin(2 * np.pi * 25 * t))
    phase = phase_of(f)
    tone = square(phase, 760) + 0.6 * np.sin(phase / 2)
    whoosh = filtered(rng.standard_normal(len(t)), 1000, 2.0, "band")
    envelope = attack(t, 0.01) * decay(t, 0.15)
    mix = (tone + 0.8 * normalised(whoosh, 1)) * envelope
    return faded_out(normalised(mix, 0.5))


def shockwave_burst():
    """A deep boom under a band of noise that sweeps down as the ring grows, pulsing at 18 Hz."""
    rng = np.random.default_rng(41)
    t = times(1.3)
    boom = np.sin(phase_of(glide(90, 35, 0.4, t))) * attack(t, 0.003) * decay(t, 0.35)
    ring = filtered(rng.standard_normal(len(t)), glide(2500, 250, 1.2, t), 4.0, "band")
    pulse = 1 - 0.4 * (0.5 + 0.5 * np.sin(2 * np.pi * 18 * t))
    ring = normalised(ring, 1) * pulse * attack(t, 0.02) * decay(t, 0.45)
    return faded_out(normalised(boom + 1.5 * ring, 0.6))


def explosion():
    """Noise through a low-pass closing from 4 kHz to 200 Hz: a blast with crackles that rolls
    into a long low rumble over a falling sub-bass thump."""
    rng = np.random.default_rng(51)
    t = times(1.7)
    n = len(t)
    noise = filtered(rng.standard_normal(n), glide(4000, 200, 1.0, t), 0.8)
    blast = normalised(noise, 1) * attack(t, 0.004) * decay(t, 0.2)
    rolling = 1 + 0.4 * normalised(filtered(rng.standard_normal(n), 8), 1)
    rumble = normalised(filtered(rng.standard_normal(n), 300), 1) * rolling * attack(t, 0.05) * decay(t, 0.5)
    thump = 0.6 * np.sin(phase_of(glide(55, 30, 0.5, t))) * attack(t, 0.004) * decay(t, 0.3)
    crackle = np.zeros(n)
    for when in np.sort(rng.exponential(0.25, 40)):
        if when < 1.0:
            spark = filtered(rng.standard_normal(60), 2500, mode="high")
            crackle += delayed(spark * rng.uniform(0.2, 1.0) * math.exp(-when / 0.4), when, n)
    return faded_out(normalised(blast + 0.6 * rumble + thump + 0.35 * crackle, 0.75))


def touch_down():
    """A soft low thud, a brush of contact noise, a faint hiss and a quiet two-note ding."""
    rng = np.random.default_rng(61)
    t = times(0.5)
    n = len(t)
    thud = np.sin(phase_of(glide(140, 70, 0.1, t))) * attack(t, 0.002) * decay(t, 0.07)
    contact = filtered(rng.standard_normal(n), 1500) * decay(t, 0.02)
    later = np.clip(t - 0.08, 0, None)
    hiss = filtered(rng.standard_normal(n), 3000, 1.5, "band") * (t > 0.08) * attack(later, 0.01) * decay(later, 0.1)
    ding_t = np.clip(t - 0.05, 0, None)
    ding = (np.sin(2 * np.pi * 660 * ding_t) + 0.7 * np.sin(2 * np.pi * 990 * ding_t)) * (t > 0.05) * \
        attack(ding_t, 0.005) * decay(ding_t, 0.15)
    mix = 0.8 * thud + 0.3 * normalised(contact, 1) + 0.12 * normalised(hiss, 1) + 0.15 * ding
    return faded_out(normalised(mix, 0.5))


METAL = ([320, 757, 1211, 1789, 2466, 3301], [0.35, 0.25, 0.2, 0.15, 0.1, 0.08])


def crash():
    """Four struck-metal impacts in quick succession over a grinding scrape and a thump."""
    rng = np.random.default_rng(71)
    t = times(1.1)
    n = len(t)
    hits = np.zeros(n)
    for when, strength in [(0, 1.0), (0.07, 0.7), (0.16, 0.5), (0.3, 0.3)]:
        bend = rng.uniform(0.93, 1.07)  # each impact bends the hull a little differently
        ring = modes(t, [f * bend for f in METAL[0]], METAL[1], rng)
        hits += delayed(ring * strength, when, n)
    jitter = 0.5 + 0.5 * np.abs(filtered(rng.standard_normal(n), 30))
    scrape = filtered(rng.standard_normal(n), 1400, 1.2, "band") * jitter * attack(t, 0.01) * decay(t, 0.25)
    thump = np.sin(2 * np.pi * 60 * t) * attack(t, 0.002) * decay(t, 0.12)
    mix = normalised(hits, 1) + 0.5 * normalised(scrape, 1) + 0.6 * thump
    return faded_out(normalised(mix, 0.7))


def lift_off():
    """A swelling whoosh of noise whose band rises from 250 Hz to 2 kHz, over a rising hum."""
    rng = np.random.default_rng(81)
    t = times(0.9)
    whoosh = filtered(rng.standard_normal(len(t)), glide(250, 2000, 0.8, t), 2.0, "band")
    f = glide(70, 220, 0.8, t)
    hum = filtered(saw(phase_of(f), 220), 600)
    envelope = attack(t, 0.15) * np.clip((0.9 - t) / 0.25, 0, 1)
    mix = (normalised(whoosh, 1) + 0.5 * normalised(hum, 1)) * envelope
    return faded_out(normalised(mix, 0.5))


def wormhole_jump():
    """A chorus of detuned voices sweeping up from 110 Hz to 1.8 kHz with a quickening
    flutter, then ringing on with vibrato as it fades."""
    rng = np.random.default_rng(91)
    t = times(1.6)
    s = np.clip(t / 1.1, 0, 1)
    sweep = 110 * 2 ** (4 * (3 * s ** 2 - 2 * s ** 3))
    vibrato = 1 + 0.01 * np.sin(2 * np.pi * 7 * t) * (t > 1.1)
    voices = np.zeros_like(t)
    for ratio, detune in [(1, 0), (1.5, 0.004), (2.01, -0.003), (2.99, 0.002)]:
        voices += np.sin(phase_of(sweep * vibrato * ratio * (1 + detune)) + rng.uniform(0, 6)) / ratio
    flutter = 1 - 0.5 * (0.5 + 0.5 * np.sin(phase_of(4 + 26 * s)))
    whoosh = filtered(rng.standard_normal(len(t)), sweep * 2, 3.0, "band")
    envelope = attack(t, 0.3) * np.where(t < 1.1, 1, decay(np.clip(t - 1.1, 0, None), 0.2))
    mix = (voices * flutter + 0.5 * normalised(whoosh, 1)) * envelope
    return faded_out(normalised(mix, 0.6))


def ram():
    """One short hull clank: a low thunk under four quickly damped metal modes and a click."""
    rng = np.random.default_rng(101)
    t = times(0.4)
    thunk = np.sin(phase_of(glide(110, 60, 0.1, t))) * attack(t, 0.002) * decay(t, 0.06)
    clank = modes(t, [420, 980, 1530, 2210], [0.12, 0.09, 0.07, 0.05], rng) * attack(t, 0.001)
    click = rng.standard_normal(len(t)) * decay(t, 0.003)
    mix = thunk + 0.6 * normalised(clank, 1) + 0.2 * click
    return faded_out(normalised(mix, 0.5))


# ---------------------------------------------------------------- campaign sounds

def enemy_shot():
    """A hostile "bzzew": two detuned square tones diving from 900 to 280 Hz, chopped
    at 75 Hz so it buzzes, with a gritty noise edge; lower and rougher than the gun."""
    rng = np.random.default_rng(111)
    t = times(0.26)
    f = glide(900, 280, 0.2, t)
    tone = square(phase_of(f), 900) + square(phase_of(f * 1.02), 920)
    chop = 0.55 + 0.45 * np.sign(np.sin(2 * np.pi * 75 * t))
    grit = filtered(rng.standard_normal(len(t)), glide(3000, 800, 0.2, t), 1.5, "band")
    mix = (tone * chop + 0.6 * normalised(grit, 1)) * attack(t, 0.003) * decay(t, 0.08)
    return faded_out(normalised(filtered(mix, 5000), 0.4))


def player_hit():
    """A dull armour thud: a low 90-to-45 Hz knock and a muffled slam, with an electric
    crackle of short bright bursts spitting over it."""
    rng = np.random.default_rng(121)
    t = times(0.5)
    n = len(t)
    thud = np.sin(phase_of(glide(90, 45, 0.12, t))) * attack(t, 0.002) * decay(t, 0.09)
    slam = filtered(rng.standard_normal(n), 400) * attack(t, 0.001) * decay(t, 0.04)
    crackle = np.zeros(n)
    for when in np.sort(rng.uniform(0.0, 0.3, 14)):
        burst = filtered(rng.standard_normal(120), 3500, mode="high") * np.hanning(120)
        crackle += delayed(burst * rng.uniform(0.4, 1.0) * math.exp(-when / 0.15), when, n)
    mix = thud + 0.6 * normalised(slam, 1) + 0.5 * normalised(crackle, 1)
    return faded_out(normalised(mix, 0.5))


def enemy_hit():
    """A tiny metallic tick: three high modes damped within 20 ms and a click; quiet,
    since it plays on every hit."""
    rng = np.random.default_rng(131)
    t = times(0.09)
    tick = modes(t, [2790, 4130, 5620], [0.018, 0.012, 0.008], rng) * attack(t, 0.0005)
    click = filtered(rng.standard_normal(len(t)), 4000, mode="high") * decay(t, 0.002)
    return faded_out(normalised(tick + 0.4 * normalised(click, 1), 0.25), 0.02)


def ship_destroyed():
    """The player's ship blowing up: a sharp crack, a deep 60-to-24 Hz boom, two more
    blasts as the hull goes, a groan of bending metal and debris crackling into a long
    rumble; 3 s, bigger than an enemy's explosion."""
    rng = np.random.default_rng(141)
    t = times(3.0)
    n = len(t)
    crack = filtered(rng.standard_normal(n), 6000) * attack(t, 0.0005) * decay(t, 0.015)
    boom = np.sin(phase_of(glide(60, 24, 1.0, t))) * attack(t, 0.005) * decay(t, 0.6)
    blasts = np.zeros(n)
    for when, strength, close in [(0.0, 1.0, 0.35), (0.38, 0.6, 0.25), (0.85, 0.45, 0.3)]:
        bt = times(3.0 - when)
        noise = filtered(rng.standard_normal(len(bt)), glide(3500, 150, 1.2, bt), 0.8)
        blasts += delayed(normalised(noise, strength) * attack(bt, 0.004) * decay(bt, close), when, n)
    rolling = 1 + 0.5 * normalised(filtered(rng.standard_normal(n), 5), 1)
    rumble = normalised(filtered(rng.standard_normal(n), 180), 1) * rolling * attack(t, 0.1) * decay(t, 1.0)
    groan = modes(t, [97, 151, 233], [0.8, 0.6, 0.5], rng) * np.sin(phase_of(glide(1.0, 0.6, 2.0, t)))
    groan *= attack(np.clip(t - 0.3, 0, None), 0.2) * (t > 0.3)
    debris = np.zeros(n)
    for when in np.sort(rng.exponential(0.5, 60)):
        if when < 2.2:
            spark = filtered(rng.standard_normal(80), 2000, mode="high")
            debris += delayed(spark * rng.uniform(0.2, 1.0) * math.exp(-when / 0.8), when, n)
    mix = 0.5 * crack + boom + 0.9 * blasts + 0.6 * rumble + 0.15 * normalised(groan, 1) + \
        0.3 * normalised(debris, 1)
    envelope = np.clip((3.0 - t) / 0.8, 0, 1)
    return faded_out(normalised(mix * envelope, 0.5))


def bell(t, frequency, ring):
    """A soft bell: a sine with a quiet octave and a faint inharmonic partial."""
    return (np.sin(2 * np.pi * frequency * t) + 0.3 * np.sin(2 * np.pi * 2 * frequency * t) * decay(t, ring / 2)
            + 0.12 * np.sin(2 * np.pi * 2.76 * frequency * t) * decay(t, ring / 4)) * decay(t, ring)


def world_cleared():
    """A bright rising chime, the wormholes opening: bells climbing C, E, G, C, E up a
    major chord, ringing together over a soft shimmer."""
    rng = np.random.default_rng(151)
    t = times(1.8)
    n = len(t)
    chime = np.zeros(n)
    for k, frequency in enumerate([523.25, 659.26, 783.99, 1046.5, 1318.5]):
        when = 0.09 * k
        nt = times(1.8 - when)
        chime += delayed(bell(nt, frequency, 0.7) * attack(nt, 0.003) * (1 - 0.1 * k), when, n)
    shimmer = filtered(rng.standard_normal(n), glide(2000, 6000, 0.6, t), 3.0, "band")
    shimmer = normalised(shimmer, 1) * attack(t, 0.2) * decay(t, 0.4)
    return faded_out(normalised(chime + 0.25 * shimmer, 0.45), 0.05)


def respawn():
    """A new ship forming: a soft whoosh rising under a tone gliding from 220 to 660 Hz,
    blooming into a fifth."""
    rng = np.random.default_rng(161)
    t = times(1.1)
    n = len(t)
    whoosh = filtered(rng.standard_normal(n), glide(300, 3000, 0.7, t), 2.0, "band")
    f = glide(220, 660, 0.6, t)
    tone = np.sin(phase_of(f)) + 0.4 * np.sin(phase_of(f * 1.5)) * (t > 0.5) * attack(np.clip(t - 0.5, 0, None), 0.1)
    envelope = attack(t, 0.25) * np.clip((1.1 - t) / 0.5, 0, 1)
    mix = (0.6 * normalised(whoosh, 1) + tone) * envelope
    return faded_out(normalised(mix, 0.4))


def repair():
    """Repaired to full: a soft tone rising an octave, 440 to 880 Hz, with a gentle
    vibrato and a quiet fifth above, swelling in and out."""
    t = times(0.9)
    f = glide(440, 880, 0.55, t) * (1 + 0.006 * np.sin(2 * np.pi * 6 * t))
    tone = np.sin(phase_of(f)) + 0.25 * np.sin(phase_of(f * 1.5)) + 0.1 * np.sin(phase_of(f * 2))
    envelope = attack(t, 0.12) * np.clip((0.9 - t) / 0.35, 0, 1)
    return faded_out(normalised(tone * envelope, 0.3))


def menu_move():
    """A short soft click for moving between menu lines."""
    rng = np.random.default_rng(171)
    t = times(0.05)
    blip = np.sin(2 * np.pi * 1200 * t) * attack(t, 0.001) * decay(t, 0.012)
    tap = filtered(rng.standard_normal(len(t)), 2500) * decay(t, 0.002)
    return faded_out(normalised(blip + 0.3 * normalised(tap, 1), 0.2), 0.01)


def menu_select():
    """Choosing a menu line: two soft blips a fifth apart, 880 then 1320 Hz."""
    t = times(0.16)
    n = len(t)
    low = np.sin(2 * np.pi * 880 * t) * attack(t, 0.002) * decay(t, 0.025)
    ht = times(0.11)
    high = np.sin(2 * np.pi * 1320 * ht) * attack(ht, 0.002) * decay(ht, 0.035)
    return faded_out(normalised(low + delayed(high, 0.05, n), 0.28), 0.02)


def brass(t, frequency, top):
    """A brassy note: band-limited sawtooth whose brightness swells with the attack."""
    tone = harmonics(2 * np.pi * frequency * t, frequency,
                     lambda k: 1.0 / k * math.exp(-k * frequency / top))
    return tone * attack(t, 0.02)


def victory():
    """A short triumphant phrase: brass climbing G, C, E and landing on a long high G
    over a C major chord that swells and rings out; 2.6 s."""
    t = times(2.6)
    n = len(t)
    phrase = np.zeros(n)
    for when, frequency, length in [(0.0, 392.0, 0.16), (0.16, 523.25, 0.16), (0.32, 659.26, 0.16),
                                    (0.50, 783.99, 2.1)]:
        nt = times(length)
        end = np.clip((length - nt) / 0.06, 0, 1)
        phrase += delayed(brass(nt, frequency, 2500) * (1 + 0.004 * np.sin(2 * np.pi * 5 * nt)) * end, when, n)
    chord = np.zeros(n)
    for frequency in (130.81, 261.63, 329.63, 392.0):
        ct = times(2.1)
        chord += delayed(brass(ct, frequency, 1200) * attack(ct, 0.15), 0.5, n)
    envelope = np.where(t < 1.6, 1, np.clip((2.6 - t) / 1.0, 0, 1))
    mix = (normalised(phrase, 1) + 0.6 * normalised(chord, 1)) * envelope
    return faded_out(normalised(filtered(mix, 4500), 0.45), 0.05)


SOUNDS = {
    "engine": engine,
    "laser": laser,
    "gunShot": gun_shot,
    "shockwaveShot": shockwave_shot,
    "shockwaveBurst": shockwave_burst,
    "explosion": explosion,
    "touchDown": touch_down,
    "crash": crash,
    "liftOff": lift_off,
    "wormholeJump": wormhole_jump,
    "ram": ram,
    "enemyShot": enemy_shot,
    "playerHit": player_hit,
    "enemyHit": enemy_hit,
    "shipDestroyed": ship_destroyed,
    "worldCleared": world_cleared,
    "respawn": respawn,
    "repair": repair,
    "menuMove": menu_move,
    "menuSelect": menu_select,
    "victory": victory,
}


# ---------------------------------------------------------------- output

def write_wav(path, signal):
    samples = np.round(np.clip(signal, -1, 1) * 32767).astype("<i2")
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(samples.tobytes())


def draw_plot(path, name, signal):
    """Waveform strip over a spectrogram: time to the right, 40 Hz to 11 kHz upward on a
    log scale (gridlines at 100 Hz, 1 kHz, 10 kHz), 60 dB of level from dark to bright."""
    from PIL import Image, ImageDraw

    window = 1024
    hop = 64
    padded = np.concatenate([np.zeros(window // 2), signal, np.zeros(window)])
    frames = np.array([padded[i:i + window] * np.hanning(window) for i in range(0, len(signal), hop)])
    level = 20 * np.log10(np.abs(np.fft.rfft(frames, axis=1)) + 1e-9)
    level = np.clip((level - level.max() + 60) / 60, 0, 1)
    height = 300
    low, high = math.log(40), math.log(NYQUIST)
    rows = np.exp(np.linspace(high, low, height)) / RATE * window
    picture = np.array([np.interp(rows, np.arange(level.shape[1]), frame) for frame in level]).T
    heat = np.stack([np.clip(3 * picture - 1, 0, 1), np.clip(3 * picture - 2, 0, 1) * 0.6 + picture * 0.4,
                     np.clip(1.5 - 3 * np.abs(picture - 0.4), 0, 1)], axis=2)
    width = picture.shape[1]
    top = 110
    image = Image.new("RGB", (width + 60, top + height + 10), (16, 16, 24))
    image.paste(Image.fromarray((heat * 255).astype(np.uint8)), (50, top))
    draw = ImageDraw.Draw(image)
    draw.text((8, 4), "%s: %.2f s" % (name, len(signal) / RATE), fill=(255, 255, 255))
    for x, column in enumerate(np.array_split(np.abs(signal), width)):
        peak = float(column.max())
        draw.line([(50 + x, 60 - peak * 45), (50 + x, 60 + peak * 45)], fill=(120, 220, 120))
    for hz, label in [(100, "100"), (1000, "1k"), (10000, "10k")]:
        y = top + (high - math.log(hz)) / (high - low) * (height - 1)
        draw.line([(40, y), (50 + width, y)], fill=(90, 90, 90))
        draw.text((8, y - 6), label, fill=(255, 255, 255))
    image.save(path)


def main():
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    write_all(SOUNDS, sys.argv[1], sys.argv[2] if len(sys.argv) == 3 else None)


def write_all(makers, outdir, plotdir=None):
    """Writes name.wav for each of makers {name: function returning the signal}, and
    with plotdir a picture of each."""
    os.makedirs(outdir, exist_ok=True)
    if plotdir:
        os.makedirs(plotdir, exist_ok=True)
    for name, make in makers.items():
        signal = make()
        write_wav(os.path.join(outdir, name + ".wav"), signal)
        if plotdir:
            draw_plot(os.path.join(plotdir, name + ".png"), name, signal)
        print("%s.wav: %.2f s" % (name, len(signal) / RATE))


if __name__ == "__main__":
    main()
