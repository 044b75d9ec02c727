#pragma once

class FrameState;

// Ends the game at once, status 0; a campaign in progress is saved first.
[[noreturn]] void quitGame(const FrameState& state);
// The quit action: Free flight quits at once, a campaign asks first.
void requestQuit(FrameState& state);
