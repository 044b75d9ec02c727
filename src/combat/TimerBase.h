#pragma once

class SpriteBatch;
class WorldState;

// A timed effect run once per frame in (startTime, endTime]; endTime 0 never ends.
class TimerBase {
public:
    TimerBase() = default;
    virtual ~TimerBase() = default;
    virtual void execute(int now, WorldState& world) = 0;
    // The same in a pass that gathers sprites in `sprites` to draw them
    // together: an effect that draws on its own has them drawn first, so the
    // order on screen stays.
    virtual void executeBatched(int now, WorldState& world, SpriteBatch& sprites);

    int startTime = 0;
    int endTime = 0;
};
