#pragma once

// Every sound the game makes. The engine and the laser loop for as long as
// they are asked for; the rest play once.
enum class SoundEffect {
    engine,
    laser,
    gunShot,
    shockwaveShot,
    shockwaveBurst,
    explosion,
    touchDown,
    crash,
    liftOff,
    wormholeJump,
    ram,
    shipDestroyed,
    worldCleared,
    respawn,
    repair,
    victory,
    menuMove,
    menuSelect,
    enemyShot,
    playerHit,
    enemyHit,
    count  // not a sound: how many there are
};
const int soundEffectCount = static_cast<int>(SoundEffect::count);

// How one sound is stored and how often it may sound.
struct SoundFile {
    const char* fileName;  // under the working directory
    bool loops;
    int atOnce;       // instances that may sound together
    int minGapMs;     // least time between two starts
    // Came with the campaign: a data set without the file plays silently,
    // with no line about it.
    bool optional = false;
    // A sound of fighting. Heard again and again, it plays in one of a few
    // copies of slightly different pitch, each start a little louder or
    // softer; and while any sounds the music steps back.
    bool fight = false;
    // Its loudness in the mix, 0 to 1: what a fight is made of sits lower
    // than a rare event.
    float level = 1;
};

const SoundFile& soundFile(SoundEffect effect);
