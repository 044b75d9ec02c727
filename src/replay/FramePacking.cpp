#include "replay/FramePacking.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// What a frame's first byte says follows.
const unsigned newTime = 0x01;
const unsigned newPushes = 0x02;
const unsigned fired = 0x04;
const unsigned weaponChosen = 0x08;
const unsigned newInterval = 0x10;
const unsigned paused = 0x20;
const unsigned repeated = 0x40;
const unsigned newPilot = 0x80;
// A push is 0 or 1 from the keys (two bits say which) or a stick's share.
const unsigned pushZero = 0;
const unsigned pushOne = 1;
const unsigned pushShare = 2;
const float farthestAim = 1e7f;
const int playerWeapons = 3;

const unsigned allPilotBits = 0x0f;

unsigned pilotByte(const PilotKeys& keys) {
    return (keys.stop ? 1u : 0u) | (keys.autopilot ? 2u : 0u) | (keys.next ? 4u : 0u) | (keys.assist ? 8u : 0u);
}

PilotKeys pilotKeys(unsigned bits) { return PilotKeys{(bits & 1) != 0, (bits & 2) != 0, (bits & 4) != 0, (bits & 8) != 0}; }

float pushOf(const ShipCommand& command, int which) {
    const float pushes[] = {command.turnLeft, command.turnRight, command.thrust, command.reverse};
    return pushes[which];
}

float& pushOf(ShipCommand& command, int which) {
    float* pushes[] = {&command.turnLeft, &command.turnRight, &command.thrust, &command.reverse};
    return *pushes[which];
}

bool samePushes(const ShipCommand& a, const ShipCommand& b) {
    for (int i = 0; i < 4; ++i) {
        if (pushOf(a, i) != pushOf(b, i)) return false;
    }
    return true;
}

void putNumber(std::string& out, uint64_t value) {
    while (value >= 0x80) {
        out += static_cast<char>((value & 0x7f) | 0x80);
        value >>= 7;
    }
    out += static_cast<char>(value);
}

// A frame's time is never below 0 in play, but what the world saw is kept
// whatever it was: the sign goes in the lowest bit.
uint64_t signedToNumber(int value) {
    return value < 0 ? (static_cast<uint64_t>(-static_cast<int64_t>(value)) << 1) - 1
                     : static_cast<uint64_t>(value) << 1;
}

int64_t numberToSigned(uint64_t number) {
    return (number & 1) ? -static_cast<int64_t>((number + 1) >> 1) : static_cast<int64_t>(number >> 1);
}

// The float's own bits, so it comes back exactly.
void putFloat(std::string& out, float value) {
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i) out += static_cast<char>((bits >> (8 * i)) & 0xff);
}

void putPushes(std::string& out, const ShipCommand& command) {
    unsigned codes = 0;
    std::string shares;
    for (int i = 0; i < 4; ++i) {
        float push = pushOf(command, i);
        unsigned code = push == 0 ? pushZero : push == 1 ? pushOne : pushShare;
        if (code == pushShare) putFloat(shares, push);
        codes |= code << (2 * i);
    }
    out += static_cast<char>(codes);
    out += shares;
}

// One frame against the one before it; nothing but the flags when it repeats it.
struct Packed {
    unsigned flags = 0;
    std::string fields;
    uint64_t repeats = 0;
};

Packed pack(const ReplayFrame& frame, const ReplayFrame& before) {
    Packed packed;
    if (frame.frameTime != before.frameTime) {
        packed.flags |= newTime;
        putNumber(packed.fields, signedToNumber(frame.frameTime));
    }
    if (!samePushes(frame.command, before.command)) {
        packed.flags |= newPushes;
        putPushes(packed.fields, frame.command);
    }
    if (frame.command.fire) {
        packed.flags |= fired;
        putFloat(packed.fields, frame.aim.x);
        putFloat(packed.fields, frame.aim.y);
    }
    if (frame.command.weapon >= 0) {
        packed.flags |= weaponChosen;
        packed.fields += static_cast<char>(frame.command.weapon);
    }
    if (frame.spawnIntervalMs != before.spawnIntervalMs) {
        packed.flags |= newInterval;
        putFloat(packed.fields, frame.spawnIntervalMs);
    }
    if (pilotByte(frame.pilot) != pilotByte(before.pilot)) {
        packed.flags |= newPilot;
        packed.fields += static_cast<char>(pilotByte(frame.pilot));
    }
    if (frame.pausedAfter) packed.flags |= paused;
    return packed;
}

// Reads the bytes in order; any read past the end sets `cut`.
struct Reader {
    const std::string& bytes;
    size_t at = 0;
    bool cut = false;

    unsigned byte() {
        if (at >= bytes.size()) {
            cut = true;
            return 0;
        }
        return static_cast<unsigned char>(bytes[at++]);
    }

    uint64_t number() {
        uint64_t value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            unsigned b = byte();
            value |= static_cast<uint64_t>(b & 0x7f) << shift;
            if ((b & 0x80) == 0) return value;
        }
        cut = true;
        return 0;
    }

    float single() {
        uint32_t bits = 0;
        for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(byte()) << (8 * i);
        float value = 0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
};

bool readPushes(Reader& in, ShipCommand& command) {
    unsigned codes = in.byte();
    for (int i = 0; i < 4; ++i) {
        unsigned code = (codes >> (2 * i)) & 3;
        if (code > pushShare) return false;
        float push = code == pushShare ? in.single() : static_cast<float>(code);
        if (!(push >= 0 && push <= 1)) return false;
        pushOf(command, i) = push;
    }
    return true;
}

// The next frame, changed from the one before, and how many times more it
// comes; "" or what is wrong.
std::string unpack(Reader& in, ReplayFrame& frame, uint64_t& repeats) {
    unsigned flags = in.byte();
    frame.command.fire = false;
    frame.command.weapon = -1;
    frame.pausedAfter = (flags & paused) != 0;
    if (flags & newTime) {
        int64_t time = numberToSigned(in.number());
        if (time > longestReplayFrameMs || time < -longestReplayFrameMs) return "a frame longer than a day";
        frame.frameTime = static_cast<int>(time);
    }
    if ((flags & newPushes) && !readPushes(in, frame.command)) return "a turn or thrust outside 0 to 1";
    if (flags & fired) {
        frame.command.fire = true;
        frame.aim = point{in.single(), in.single()};
        if (!(std::fabs(frame.aim.x) <= farthestAim && std::fabs(frame.aim.y) <= farthestAim)) {
            return "an aim outside the world";
        }
    }
    if (flags & weaponChosen) {
        frame.command.weapon = static_cast<int>(in.byte());
        if (frame.command.weapon >= playerWeapons) return "a weapon the ship does not have";
    }
    if (flags & newInterval) {
        frame.spawnIntervalMs = in.single();
        if (!(frame.spawnIntervalMs >= 0.001f && frame.spawnIntervalMs <= 1e9f)) return "an enemy interval out of range";
    }
    if (flags & newPilot) {
        unsigned bits = in.byte();
        if (bits > allPilotBits) return "a pilot's key of an unknown kind";
        frame.pilot = pilotKeys(bits);
    }
    repeats = (flags & repeated) ? in.number() : 0;
    return in.cut ? "the frames end too soon" : "";
}

}  // namespace

std::string packFrames(const std::vector<ReplayFrame>& frames, float spawnIntervalMs) {
    std::vector<Packed> records;
    ReplayFrame before;
    before.spawnIntervalMs = spawnIntervalMs;
    for (const ReplayFrame& frame : frames) {
        Packed packed = pack(frame, before);
        // Only a frame that did nothing but fly is repeated.
        if (packed.flags == 0 && !records.empty() && (records.back().flags & ~newTime & ~newPushes) == 0) {
            ++records.back().repeats;
        } else {
            records.push_back(packed);
        }
        before = frame;
    }
    std::string out;
    for (Packed& record : records) {
        if (record.repeats > 0) record.flags |= repeated;
        out += static_cast<char>(record.flags);
        out += record.fields;
        if (record.repeats > 0) putNumber(out, record.repeats);
    }
    return out;
}

bool unpackFrames(const std::string& bytes, size_t count, float spawnIntervalMs, std::vector<ReplayFrame>& frames,
                  std::string& problem) {
    frames.clear();
    Reader in{bytes};
    ReplayFrame frame;
    frame.spawnIntervalMs = spawnIntervalMs;
    while (in.at < bytes.size()) {
        uint64_t repeats = 0;
        problem = unpack(in, frame, repeats);
        if (!problem.empty()) return false;
        if (repeats >= count || frames.size() + 1 + repeats > count) {
            problem = "more frames than the header says";
            return false;
        }
        frames.insert(frames.end(), static_cast<size_t>(repeats) + 1, frame);
    }
    if (frames.size() != count) {
        problem = "fewer frames than the header says";
        return false;
    }
    return true;
}
