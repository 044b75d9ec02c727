#pragma once

#include <SDL/SDL.h>

#include <functional>
#include <string>

#include "screens/MenuRequests.h"
#include "settings/Actions.h"
#include "settings/Bindings.h"

class FrameState;
class Player;

// The one way input reaches the game. Every event of the queue is read in
// the context the game is in: a key, mouse button or pad control acts
// through its bound actions where the context honours them (the table in
// settings/Actions.cpp), then the context's screen, if any, gets the event.

// A screen's part: `take` is true when it took the event; `waitingForKey`
// when its key editor waits for the key to bind, which then acts as nothing
// else; `keepReading` false stops reading the queue (the screen changed).
struct ScreenInput {
    std::function<bool(const SDL_Event&)> take;
    std::function<bool()> waitingForKey;
    bool keepReading = true;
};

// Reads the queue in `context`, or the key editor's while the screen's
// waits. In play `player` is the ship whose weapon the weapon keys change;
// elsewhere it may be null.
void readEvents(FrameState& state, InputContext context, const Player* player, ScreenInput* screen = nullptr);

// In play: the events, then the held actions become this frame's command,
// and the mouse and the pad's aim move the cursor.
void handlePlayInput(FrameState& state, const Player& player);
// Watching a replay: only the keys that look (the view, the pieces shown,
// the speed) and pause, help and quit act; nothing flies.
void handleReplayInput(FrameState& state);
// Paused: the pause menu takes what the actions leave.
void handlePausedInput(FrameState& state);

// What one action does in play; quitting ends the process.
void applyAction(Action action, FrameState& state, const Player* player);
// A press of a key (by its place on the keyboard), a mouse button or a pad
// control in play: the actions bound to it. Escape always pauses or resumes.
void applyKeyPress(SDLKey key, FrameState& state, const Player& player);
void applyMouseButton(int button, FrameState& state, const Player& player);
void applyPadPress(PadInput control, FrameState& state, const Player& player);
// What the menus asked for, carried out.
void carryOut(const MenuRequests& requests, FrameState& state);
// The short answer on screen to a key that otherwise answers only in the
// terminal or not at all (the spawn and depth keys); "" for the others.
std::string keyNotice(Action action, const FrameState& state);
// Diagnostic: prints the name of an event's type.
void eventTypeDisp(SDL_Event event);
