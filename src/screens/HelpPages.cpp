#include "screens/HelpPages.h"

#include <algorithm>
#include <cmath>

#include "assets/ShipLooks.h"
#include "combat/Ship.h"
#include "combat/Targeting.h"
#include "core/Constants.h"
#include "core/Wording.h"
#include "screens/ControlsTable.h"
#include "settings/Bindings.h"
#include "settings/InputNames.h"
#include "ui/Text.h"

namespace {
const float titleY = 975;
const float textTop = 875;
const float textScale = 18;
const float lineStep = 32;
const float paragraphGap = 14;
const size_t lineLetters = 62;
const int enemiesPerPage = 8;
const float enemyRowStep = 170;
const size_t enemyLetters = 32;
const int gunWeapon = 0;
const int keyRowsPerPage = controlsRowsShown;

// The flight assist's and the autopilot's actions by their settings.txt
// names, each with what its key does; a line shows once the game has that action.
const struct {
    const char* action;
    const char* does;
} assistLines[] = {
    {"stop", "brings the ship to a stop and holds it there."},
    {"autopilot", "the autopilot flies the ship to the destination; any flying key takes it back."},
    {"destination", "chooses the destination: the next open wormhole, the planet where new ships start."},
};

std::string keyOf(const Bindings& bindings, Action action) {
    const KeyInput& key = bindings[action].key;
    return key.bound() ? capitalised(keyLabel(key)) : "(unbound)";
}

std::string said(float value) { return std::to_string(static_cast<long long>(std::lround(value))); }

// What a type does, from its row: how it moves, its gun, its ram, its hull.
std::vector<std::string> enemyLines(int type) {
    Ship probe(point{0, 0}, type);
    std::string text;
    switch (probe.ai) {
        case 1: text = "Chases you"; break;
        case 2: text = "Runs from you and gets away if left far behind"; break;
        case 3: text = "Keeps its distance"; break;
        default: text = "Drifts on where it was sent, never steering"; break;
    }
    if (probe.armed()) text += " and fires bolts of " + said(weaponStat(probe.weapon, DAMAGE));
    text += ".";
    if (probe.ramDamage > 0) {
        text += probe.radius > Ship::defaultRadius ? " Survives a ram, which costs you " : " A ram costs you ";
        text += said(probe.ramDamage) + ".";
    }
    float gun = weaponStat(gunWeapon, DAMAGE);
    if (gun > 0) text += " Falls to " + said(std::ceil(probe.fullHealth / gun)) + " gun hits.";
    return wrapped(text, enemyLetters);
}

HelpPages::Page textPage(const std::string& title, std::vector<std::string> paragraphs) {
    return HelpPages::Page{HelpPages::Kind::text, title, std::move(paragraphs), 0};
}

std::vector<std::string> assistParagraphs(const Bindings& b) {
    std::vector<std::string> paragraphs;
    for (const auto& line : assistLines) {
        Action action;
        if (actionFromName(line.action, action)) paragraphs.push_back(keyOf(b, action) + ": " + line.does);
    }
    return paragraphs;
}

// The text pages; `b` gives the keys as bound now.
std::vector<HelpPages::Page> textPages(const Bindings& b) {
    std::vector<HelpPages::Page> pages;
    pages.push_back(textPage(
        "The goal",
        {"Each star system has a goal, written at the top of the picture: destroy every ship of its waves, or "
         "destroy so many enemies.",
         "Its wormholes stay closed (grey) until the goal is met; then they open (violet) and lead on. Fly into an "
         "open one to jump to the next system. Clear the last system to win.",
         "Kills and cleared systems add to your score; losing a ship costs a share of it. Progress is saved as "
         "you play. " + keyOf(b, Action::map) + " opens the large map: every system, and which way is open."}));
    pages.push_back(textPage(
        "Landing and new ships",
        {"Touch a planet gently (slower than 1 unit a millisecond) to land; faster, and the ship crashes and is "
         "damaged.",
         "While landed gently the ship is repaired, and that planet becomes the place where a new ship starts: "
         "its label says so, in green.",
         "A destroyed ship is replaced after a few seconds, on that planet, or where you came into the system if "
         "you have not landed there; the new ship is shielded for a moment.",
         keyOf(b, Action::thrust) + " lifts off; held while landed, " + keyOf(b, Action::reverse) +
             " charges a boost for the lift-off."}));
    return pages;
}

HelpPages::Page hudPage(const Bindings& b) {
    return textPage(
        "The HUD",
        {"Bottom left: the hull and its hit points. Bottom right: the weapons, the chosen one lit, and whether it "
         "is ready. Top: the goal and the score; top left the radar, top right a map of the system.",
         "Labels name the bodies in view. Arrows at the edge point to open wormholes, the goal's target and the "
         "planet where new ships start, with their distance.",
         "A hit enemy flashes and shows a hull bar; brackets mark the goal's target. With the gun or the "
         "shockwave gun, a ring shows where to aim at the enemy nearest your aim.",
         keyOf(b, Action::hud) + " hides the HUD, " + keyOf(b, Action::statusLines) + " shows the status lines, " +
             keyOf(b, Action::help) + " opens this help."});
}
}  // namespace

void HelpPages::open(const Bindings& bindings) {
    page = 0;
    enemies.clear();
    for (size_t type = 0; type < shipLooks.size(); ++type) {
        if (shipLooks[type].name.empty()) continue;
        int number = static_cast<int>(type);
        enemies.push_back(Enemy{number, shipLooks[type].name, enemyLines(number)});
    }
    pages = textPages(bindings);
    for (size_t first = 0; first < enemies.size(); first += enemiesPerPage) {
        pages.push_back(Page{Kind::enemies, "The enemies", {}, static_cast<int>(first)});
    }
    pages.push_back(hudPage(bindings));
    std::vector<std::string> assist = assistParagraphs(bindings);
    if (!assist.empty()) pages.push_back(textPage("Flight assist and autopilot", assist));
    for (int first = 0; first < actionCount; first += keyRowsPerPage) {
        pages.push_back(Page{Kind::keys, "The keys as bound now", {}, first});
    }
}

int HelpPages::pageCount() const { return static_cast<int>(pages.size()); }

void HelpPages::turn(int step) { page = std::clamp(page + step, 0, std::max(0, pageCount() - 1)); }

bool HelpPages::handle(const SDL_Event& event) {
    int before = page;
    if (event.type == SDL_KEYDOWN) {
        switch (event.key.keysym.sym) {
            case SDLK_RIGHT:
            case SDLK_d:
            case SDLK_PAGEDOWN:
            case SDLK_SPACE: turn(1); break;
            case SDLK_LEFT:
            case SDLK_a:
            case SDLK_PAGEUP:
            case SDLK_BACKSPACE: turn(-1); break;
            default: break;
        }
    } else if (event.type == SDL_MOUSEBUTTONDOWN) {
        Uint8 button = event.button.button;
        if (button == SDL_BUTTON_LEFT || button == SDL_BUTTON_WHEELDOWN) turn(1);
        if (button == SDL_BUTTON_RIGHT || button == SDL_BUTTON_WHEELUP) turn(-1);
    } else if (event.type == SDL_JOYHATMOTION) {
        if (event.jhat.value & SDL_HAT_RIGHT) turn(1);
        if (event.jhat.value & SDL_HAT_LEFT) turn(-1);
    } else if (event.type == SDL_JOYBUTTONDOWN && event.jbutton.button == 0) {
        turn(1);
    }
    return page != before;
}

namespace {
void drawParagraphs(Font& font, const std::vector<std::string>& paragraphs) {
    float y = textTop;
    for (const std::string& paragraph : paragraphs) {
        for (const std::string& line : wrapped(paragraph, lineLetters)) {
            drawText(font, line, 120, y, textScale, colours::grey);
            y -= lineStep;
        }
        y -= paragraphGap;
    }
}

void drawEnemies(Font& font, const std::vector<HelpPages::Enemy>& enemies, int first) {
    int last = std::min(static_cast<int>(enemies.size()), first + enemiesPerPage);
    for (int i = first; i < last; ++i) {
        const HelpPages::Enemy& enemy = enemies[static_cast<size_t>(i)];
        int place = i - first;
        float x = place % 2 == 0 ? 90.0f : 680.0f;
        float y = textTop - enemyRowStep * static_cast<float>(place / 2);
        drawPicture(shipSprite(enemy.type), point{x + 40, y - 30}, 40);
        drawText(font, enemy.name, x + 100, y, 20, colours::highlight);
        float lineY = y - 30;
        for (const std::string& line : enemy.lines) {
            drawText(font, line, x + 100, lineY, 15, colours::grey);
            lineY -= 26;
        }
    }
}
}  // namespace

void HelpPages::draw(Font& font, const Bindings& bindings) const {
    if (pages.empty()) return;
    const Page& shown = pages[static_cast<size_t>(std::clamp(page, 0, pageCount() - 1))];
    std::string title = "How to play: " + shown.title + "   " + std::to_string(page + 1) + " / " +
                        std::to_string(pageCount());
    drawText(font, title, w / 2.0f, titleY, 26, colours::white, Align::centre);
    switch (shown.kind) {
        case Kind::text: drawParagraphs(font, shown.paragraphs); break;
        case Kind::enemies: drawEnemies(font, enemies, shown.first); break;
        case Kind::keys: {
            ControlsTable table;
            table.first = shown.first;
            table.shown = keyRowsPerPage;
            drawControlsTable(font, bindings, table);
            break;
        }
    }
    drawText(font, "Left and right, a click or the wheel: turn the page   Escape or Enter: back", w / 2.0f, 60, 16,
             colours::dim, Align::centre);
}
