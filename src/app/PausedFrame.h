#pragma once

class Font;
class FrameState;
class Universe;

// A frame while paused: the desktop keys, and the still picture drawn and
// shown only when it needs to be.
void runPausedFrame(FrameState& state, Universe& universe, Font& font);
