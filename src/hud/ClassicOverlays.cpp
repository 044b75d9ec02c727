#include "hud/ClassicOverlays.h"

#include <GL/glew.h>

#include "assets/Font.h"
#include "assets/Textures.h"
#include "combat/Player.h"
#include "core/Constants.h"
#include "core/Draw.h"
#include "core/Geometry.h"
#include "core/SpriteBatch.h"
#include "world/WorldState.h"

namespace {
const float radarRange = 10000;
const float radarScale = 165.0f / 2 / 10000;
const float mapRange = 200000;
const float mapScale = 168.0f / 2 / 200000;
const float faceSize = 200;

void drawSprite(point p, int slot, float half, float angleDegrees) {
    glPushMatrix();
    reportError();
    glTranslatef(p.x, p.y, 0);
    glRotatef(angleDegrees, 0, 0, 1);
    glBindTexture(GL_TEXTURE_2D, textures[slot]);
    reportError();
    drawSquare(half);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

void drawWorldSquare(float z, float repeats) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex3f(-XBOUND, -YBOUND, z);
    glTexCoord2f(0, repeats);
    glVertex3f(-XBOUND, YBOUND, z);
    glTexCoord2f(repeats, repeats);
    glVertex3f(XBOUND, YBOUND, z);
    glTexCoord2f(repeats, 0);
    glVertex3f(XBOUND, -YBOUND, z);
    glEnd();
}

void boundaryCorners(float z) {
    glVertex3f(-XBOUND, -YBOUND, z);
    glVertex3f(-XBOUND, YBOUND, z);
    glVertex3f(XBOUND, YBOUND, z);
    glVertex3f(XBOUND, -YBOUND, z);
    glVertex3f(-XBOUND, -YBOUND, z);
}

// A panel face: the quad from (x0, y0) to (x0 + 200, y0 + 200), texture t
// running downward when `flipT`.
void drawFace(int slot, float x0, float y0, bool flipT) {
    float tBottom = flipT ? 1.0f : 0.0f;
    float tTop = 1.0f - tBottom;
    glBindTexture(GL_TEXTURE_2D, textures[slot]);
    glBegin(GL_QUADS);
    glTexCoord2f(0, tBottom);
    glVertex2f(x0, y0);
    glTexCoord2f(0, tTop);
    glVertex2f(x0, y0 + faceSize);
    glTexCoord2f(1, tTop);
    glVertex2f(x0 + faceSize, y0 + faceSize);
    glTexCoord2f(1, tBottom);
    glVertex2f(x0 + faceSize, y0);
    glEnd();
}

// Centres a panel's projection on the player, scaled from game units to pixels.
void startPanelProjection(float left, float right, float bottom, float top, float scale,
                          point centre) {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glOrtho(left, right, bottom, top, -1, 1);
    glScalef(scale, scale, 0);
    glTranslatef(-centre.x, -centre.y, 0);
    glMatrixMode(GL_MODELVIEW);
}

void endPanelProjection() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    reportError();
}
}  // namespace

void drawBackground() {
    glBindTexture(GL_TEXTURE_2D, textures[dustTexture]);
    drawWorldSquare(0, 20);
    glPushMatrix();
    glTranslatef(0, 0, -10000);
    drawWorldSquare(0, 4);
    glPopMatrix();
}

void drawBoundary() {
    glPushAttrib(GL_CURRENT_BIT);
    glColor3f(1, 1, 1);
    glBegin(GL_LINE_STRIP);
    boundaryCorners(0);
    glColor3f(1, 0, 0);
    boundaryCorners(-10000);
    glEnd();
    glPopAttrib();
}

void drawMouse(point p) { drawSprite(p, cursorTexture, 30, 0); }

void drawRadarBlip(point p, int slot, float half) { drawSprite(p, slot, half, 0); }

void topLeftUI(WorldState& world, Player* player) {
    drawFace(radarTexture, 0, -faceSize, true);
    startPanelProjection(-100, w - 100, 100 - h, 100, radarScale, player->position);
    drawRadarBlip(player->position, playerBlipTexture, 500);
    SpriteBatch shipBlips;
    for (const Ship& ship : world.ships) {
        if (pointDistance(ship.position, player->position) < radarRange) {
            shipBlips.add(textures[enemyBlipTexture], ship.position, 500, 0);
        }
    }
    shipBlips.flush();
    for (Star& star : world.stars) {
        if (pointDistance(star.position, player->position) < radarRange) {
            star.draw();
        }
        for (Planet& planet : star.planets) {
            if (pointDistance(planet.position, player->position) < radarRange) {
                planet.draw();
            }
        }
    }
    endPanelProjection();
}

void topRightUI(WorldState& world, Player* player) {
    drawFace(mapTexture, -faceSize, -faceSize, false);
    startPanelProjection(-w - 100, 100, -h - 100, 100, mapScale, player->position);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (const Star& star : world.stars) {
        if (pointDistance(star.position, player->position) < mapRange) {
            glColor3f(1, 0.2f, 0.2f);
            drawRadarBlip(star.position, whiteDotTexture, 10000);
        }
        for (const Planet& planet : star.planets) {
            if (pointDistance(planet.position, player->position) < mapRange) {
                glColor3f(0, 1, 0.2f);
                drawRadarBlip(planet.position, whiteDotTexture, 8000);
            }
        }
    }
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    drawRadarBlip(player->position, playerBlipTexture, 10000);
    endPanelProjection();
}

void drawRadar(WorldState& world, Player& player) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, -h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    topLeftUI(world, &player);
}

void drawClassicMap(WorldState& world, Player& player) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-w, 0, -h, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    topRightUI(world, &player);
}

namespace {
std::string countText(const char* label, size_t count) { return label + toString(static_cast<float>(count)); }
}  // namespace

// Five lines 30 apart at scale 20, none much wider than 16 letters.
Box statusLinesBox(float raise) { return Box{0, 340, raise - 6, raise + 150}; }

void drawStatusLines(Font& font, const std::string& fpsText, const WorldState& world, const Player& player,
                     float raise) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, w, 0, h, -1, 1);
    // The model-view keeps its translation by -1, still inside this depth range.
    glMatrixMode(GL_MODELVIEW);
    font.displayText(fpsText, 0, raise, 20);
    font.displayText(countText("Ships: ", world.ships.size()), 0, raise + 30, 20);
    font.displayText(countText("Projectiles: ", world.projectiles.size()), 0, raise + 60, 20);
    font.displayText(countText("Timers: ", world.timers.size()), 0, raise + 90, 20);
    font.displayText("Player HP: " + toString(player.getHealth()), 0, raise + 120, 20);
}
