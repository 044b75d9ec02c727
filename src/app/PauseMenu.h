#pragma once

#include <SDL/SDL.h>

#include "ui/Menu.h"

class Font;
class FrameState;

// What the paused game offers: resume, go back to the title, quit; and, in a
// campaign, the question before quitting.
class PauseMenu {
public:
    // As the game pauses: the menu, its first item chosen.
    void open(bool titleAvailable);
    // Asks "Quit?"; answering no resumes the game when it was running.
    void askToQuit(bool fromPlay);
    // True when the event was the menu's.
    bool handle(const SDL_Event& event, FrameState& state);
    void draw(Font& font) const;

    enum class Page { menu, quitQuestion };
    Page page = Page::menu;
    bool askedFromPlay = false;
    Menu menu;
    Menu question;

private:
    void choose(FrameState& state);
    void answer(bool quit, FrameState& state);
};
