#pragma once

#include "combat/ShipCommand.h"
#include "core/point.h"

class Font;
class FrameState;
class Startup;
class Universe;

// One whole frame: clock, spawning, input, the world step with its drawing,
// the overlays, and the buffer swap; paused, the pause menu over the kept
// picture. A run being recorded records the frame; a replay being watched
// plays its recorded frames instead.
void runFrame(FrameState& state, Universe& universe, Font& font);
// All of a frame but the buffer swap, flown by the keys and the pad: the
// picture is left in the back buffer.
void drawFrame(FrameState& state, Universe& universe, Font& font);
// The same flown by `command` (an autopilot, a recorded run), with the
// cursor where the pilot put it: no input is read.
void drawFrame(FrameState& state, Universe& universe, Font& font, const ShipCommand& command);
// Whether the paused picture is drawn again this frame: when asked for, and
// now and then; otherwise it waits a moment, leaving the machine to others.
bool pausedPictureDue(FrameState& state);
// A replay's part of a frame: the viewer's keys, then as many recorded
// frames as its speed asks, each with its recorded time, command and aim;
// the last one's picture is left in the back buffer.
void playRecordedFrames(FrameState& state, Universe& universe, Font& font);
// Shows the back buffer, saving it first when a screenshot is wanted.
void presentFrame(FrameState& state);
// F11, once a frame is shown: the other mode, with start-up's graphics made
// again for the new context and `universe`'s effects found in them.
void switchWindowIfWanted(FrameState& state, Startup& startup, Universe& universe);
// Puts one enemy into the player's world, at least 20000 units from the player.
void spawnEnemy(Universe& universe);
// What is drawn over the world, with alpha blending: the status lines, the
// radar, the classic map or the HUD, and the rest of the HUD's overlays.
void drawOverWorld(FrameState& state, Universe& universe, Font& font, point camera, int now);
// Tells the music the mood of this frame: the title's loop on the menus, and
// in play calm or fight by how near the enemies of the player's world are.
void cueMusic(FrameState& state, const Universe& universe);
