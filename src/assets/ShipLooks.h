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
    GLuint sprite = 0;       // 0 draws enemy.png: none named, or it could not be loaded
    float colour[3] = {1.0f, 0.35f, 0.25f};  // enemy.png's red
};

// Filled by initializeShipArray, the sprites by loadShipLooks.
extern std::vector<ShipLook> shipLooks;
// The enemies' shot and the hit spark, from hud/; 0 when not loaded.
extern GLuint enemyShotSprite;
extern GLuint sparkSprite;

// A type without a row looks like enemy.png.
const ShipLook& shipLook(int type);
// The texture a ship of this type is drawn with.
GLuint shipSprite(int type);
// Loads every sprite a row names (one that fails gets a line and that type
// keeps enemy.png), and the shot and spark when there is a hud/ folder.
void loadShipLooks();
