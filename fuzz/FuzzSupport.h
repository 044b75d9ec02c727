#pragma once
// Shared by the fuzz targets and their replay. Each target writes its input
// over data files in a scratch copy of the shipped data, loads them the way
// start-up does, runs what the game builds from them for a few frames, and
// puts the shipped files and tables back.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class Universe;

// Once per process: an off-screen GL context, the scratch copy as working
// directory, and the shipped data loaded as start-up loads it.
void prepareFuzzing();
// The input cut at "\n====\n" into exactly `parts` pieces (missing ones empty).
std::vector<std::string> splitInput(const uint8_t* data, size_t size, size_t parts);
void writeDataFile(const char* name, const std::string& text);
// Copies the shipped files back and reloads every global table from them.
void restoreShippedData(std::initializer_list<const char*> files);
// The world step of a frame, drawn, with the player thrusting, turning and
// firing each weapon in turn at the ships put in front of it.
void playFrames(Universe& universe, int frames);
// One ship of each type (at most a dozen) in front of the player.
void spawnEachType(Universe& universe);

// The targets, one per reader.
int fuzzTables(const uint8_t* data, size_t size);
int fuzzPlayer(const uint8_t* data, size_t size);
int fuzzWorld(const uint8_t* data, size_t size);
int fuzzEmitters(const uint8_t* data, size_t size);
int fuzzShaders(const uint8_t* data, size_t size);
int fuzzSounds(const uint8_t* data, size_t size);
int fuzzCampaign(const uint8_t* data, size_t size);
int fuzzUpgrades(const uint8_t* data, size_t size);
int fuzzRecordings(const uint8_t* data, size_t size);
