#pragma once

class WorldState;

// A timed effect run once per frame in (startTime, endTime]; endTime 0 never ends.
class TimerBase {
public:
    TimerBase() = default;
    virtual ~TimerBase() = default;
    virtual void execute(int now, WorldState& world) = 0;

    int startTime = 0;
    int endTime = 0;
};
