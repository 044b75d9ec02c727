#pragma once

class FrameState;
class Universe;

// Tells the music the mood of this frame: the title's loop on the menus, and
// in play calm or fight by how near the enemies of the player's world are.
void cueMusic(FrameState& state, Universe& universe);
