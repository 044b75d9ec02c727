#pragma once

#include <GL/glew.h>

#include <string>
#include <vector>

// How an enemy type looks, by shipdata.txt row: the name and sprite its row
// names, and the colour of the sparks it throws when hit.
struct ShipLook {
    std::string name;        // "" when the row names none
    std::string spriteFile;  // "" draws enemy.png
    int line = 0;            // where the row starts in shipdata.txt
    int image = -1;          // the sprite among the named images; -1 for none
    float colour[3] = {1.0f, 0.35f, 0.25f};  // enemy.png's red
};

// Filled by initializeShipArray; the images and colours by registerShipLooks.
extern std::vector<ShipLook> shipLooks;
// The enemies' shot, the hit spark and the campaign's looks of the player's
// gun shot and laser, from hud/; -1 without a hud/ folder.
extern int enemyShotImage;
extern int sparkImage;
extern int playerShotImage;
extern int playerBeamImage;

// A type without a row looks like enemy.png.
const ShipLook& shipLook(int type);
// The texture a ship of this type is drawn with: its sprite, else enemy.png.
GLuint shipSprite(int type);
// 0 when not loaded.
GLuint enemyShotSprite();
GLuint sparkSprite();
GLuint playerShotSprite();
GLuint playerBeamSprite();
// Hands every sprite a row names, and hud/'s shots and spark when there is a
// hud/ folder, to the named images, which load them (and name a file that
// fails), and reads each sprite's colour. Needs no OpenGL.
void registerShipLooks();
