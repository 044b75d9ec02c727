#pragma once

#include <SDL/SDL.h>

#include <string>
#include <vector>

#include "screens/HelpPages.h"
#include "screens/Menu.h"
#include "screens/MenuRequests.h"
#include "screens/OptionsScreen.h"

class Font;
class WindowMode;
struct Bindings;
struct Settings;

// What the paused game offers: resume, the options, the help ("How to play",
// ending with the keys as bound now), back to the title, quit; and, in a
// campaign, the question before quitting.
class PauseMenu {
public:
    // As the game pauses: the menu, its first item chosen, unless the pause
    // was asked for to show a page of its own.
    void open(bool titleAvailable);
    // Asks `question` ("Quit? Progress is saved."); answering no resumes the
    // game when it was running.
    void askToQuit(bool fromPlay, const std::string& question);
    // The help, from its first page; closing it resumes the game when it was running.
    void showHelp(bool fromPlay, const Bindings& bindings);
    // True when the event was the menu's.
    bool handle(const SDL_Event& event, Settings& settings, const WindowMode& window, MenuRequests& requests);
    void draw(Font& font, const Settings& settings) const;
    // Back from a page: to the game when it came from there, else to the menu.
    void leavePage(MenuRequests& requests);
    bool waitingForKey() const { return page == Page::options && options.waitingForKey(); }

    enum class Page { menu, quitQuestion, options, help };
    Page page = Page::menu;
    // The page was opened by a key while the game ran, not from the menu.
    bool fromPlay = false;
    Menu menu;
    Menu question;
    OptionsScreen options;
    HelpPages help;
    // The upgrades the ship carries, listed under the menu.
    std::vector<std::string> upgrades;

private:
    void choose(Settings& settings, MenuRequests& requests);
    void answer(bool quit, MenuRequests& requests);
};
