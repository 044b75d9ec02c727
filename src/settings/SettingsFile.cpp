#include "settings/SettingsFile.h"

#include <algorithm>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "assets/DataReport.h"
#include "core/WriteFolder.h"
#include "settings/InputNames.h"

namespace {

// One plain setting: a whole number within limits, a switch (on or off), or
// one of the difficulty names.
struct Field {
    const char* name;
    const char* comment;
    int Settings::*number = nullptr;
    int least = 0;
    int most = 0;
    bool Settings::*flag = nullptr;
    std::string Settings::*choice = nullptr;
};

Field number(const char* name, int Settings::*value, int least, int most, const char* comment) {
    Field field{name, comment};
    field.number = value;
    field.least = least;
    field.most = most;
    return field;
}

Field onOff(const char* name, bool Settings::*value, const char* comment) {
    Field field{name, comment};
    field.flag = value;
    return field;
}

Field difficulty() {
    Field field{"difficulty", "of the next campaign: easy, normal, hard or one the campaign adds"};
    field.choice = &Settings::difficulty;
    return field;
}

// In the order saving writes them.
const Field fields[] = {
    number("volume", &Settings::volume, 0, mostVolume, "every sound, 0 (silent) to 100 (full)"),
    number("music_volume", &Settings::musicVolume, 0, mostVolume, "the music, 0 to 100"),
    onOff("full_screen", &Settings::fullScreen, "start in full screen, on or off"),
    number("mouse_sensitivity", &Settings::mouseSensitivity, leastMouseSensitivity,
           mostMouseSensitivity, "cursor speed in percent, 25 to 400"),
    difficulty(),
    onOff("freeflight_status_lines", &Settings::freeFlightStatusLines,
          "Free flight shows the status lines"),
    onOff("freeflight_hud", &Settings::freeFlightHud, "Free flight shows the HUD"),
    onOff("freeflight_labels", &Settings::freeFlightLabels, "Free flight shows labels"),
    onOff("freeflight_markers", &Settings::freeFlightMarkers, "Free flight shows markers"),
    onOff("freeflight_music", &Settings::freeFlightMusic, "Free flight plays music"),
    onOff("flight_assist", &Settings::flightAssist, "the campaign's ship eases to rest with no thrust held"),
    onOff("freeflight_assist", &Settings::freeFlightAssist, "Free flight has the assist, stop and autopilot"),
    onOff("freeflight_replays", &Settings::freeFlightReplays, "Free flight's runs are recorded in replays/"),
    onOff("hints", &Settings::hints, "the first campaign's hints are still to come"),
    number("pad_dead_zone", &Settings::padDeadZone, 0, mostPadDeadZone,
           "percent of a stick's travel taken as rest, 0 to 90"),
};

// Far longer than any line the game writes.
const size_t longestLine = 1000;

// What the last read leaves for later: the file, whether it could be read
// (one that could not is never overwritten in this run), and the line that
// named the difficulty, checked once the campaign's own names are known.
struct LastRead {
    std::filesystem::path file;
    bool unreadable = false;
    int difficultyLine = 0;
};
LastRead lastRead;

const char* const header =
    "# Rerara's settings. The game rewrites this file when its options change; it may also be\n"
    "# edited by hand while the game is not running. One \"name value\" a line; '#' starts a\n"
    "# comment; a line the game cannot read is named at start-up and keeps its default.\n"
    "# Controls: \"bind ACTION KEY\" (keyboard or mouse) and \"pad ACTION CONTROL\" (gamepad);\n"
    "# \"none\" unbinds. Keys are named after their place on a US keyboard (see README.md).\n";

class Reader {
public:
    Reader(const std::string& fileName, Settings& settings) : file(fileName), settings(settings) {}

    void readLine(const std::string& name, const std::string& value) {
        if (name == "bind" || name == "pad") {
            readBinding(name, value);
            return;
        }
        for (const Field& field : fields) {
            if (name == field.name) {
                readField(field, value);
                return;
            }
        }
        complain("unknown setting '" + shortened(name) + "', ignored");
    }

    void complain(const std::string& what) {
        std::cout << file << " line " << line << ": " << what << std::endl;
        DataReport::noteProblem();
    }

    int line = 0;

private:
    void readField(const Field& field, const std::string& value) {
        std::string name = field.name;
        if (field.number) {
            int& number = settings.*field.number;
            if (!readWholeNumber(value, field.least, field.most, number)) {
                complain(name + " must be a whole number from " + std::to_string(field.least) +
                         " to " + std::to_string(field.most) + ", using " + std::to_string(number));
            }
        } else if (field.flag) {
            bool& flag = settings.*field.flag;
            if (value == "on" || value == "off") {
                flag = value == "on";
            } else {
                complain(name + " must be on or off, using " + (flag ? "on" : "off"));
            }
        } else if (value.empty() || value.find_first_of(" \t") != std::string::npos) {
            complain(name + " must be one word, using " + settings.*field.choice);
        } else {
            settings.*field.choice = value;
            lastRead.difficultyLine = line;
        }
    }

    void readBinding(const std::string& kind, const std::string& value) {
        std::istringstream words(value);
        std::string actionText;
        std::string inputText;
        words >> actionText;
        std::getline(words >> std::ws, inputText);
        Action action = Action::thrust;
        if (inputText.empty()) {
            complain(kind + " needs an action and what to bind it to, ignored");
        } else if (!actionFromName(actionText, action)) {
            complain("unknown action '" + shortened(actionText) + "', ignored");
        } else if (kind == "bind") {
            readKey(action, inputText);
        } else {
            readPad(action, inputText);
        }
    }

    void readKey(Action action, const std::string& text) {
        KeyInput& bound = settings.bindings[action].key;
        KeyInput key;
        std::string keeping = ", " + std::string(actionName(action)) + " keeps " + keyName(bound);
        if (!keyFromName(text, key)) {
            complain("unknown key '" + shortened(text) + "'" + keeping);
        } else if (!keyBindable(key)) {
            complain("escape cannot be bound, it always pauses and backs out of menus" + keeping);
        } else {
            bound = key;
        }
    }

    void readPad(Action action, const std::string& text) {
        PadInput& bound = settings.bindings[action].pad;
        PadInput pad;
        if (padFromName(text, pad)) {
            bound = pad;
        } else {
            complain("unknown pad control '" + shortened(text) + "', " + actionName(action) + " keeps " +
                     padName(bound));
        }
    }

    // A whole number from least to most and nothing else.
    static bool readWholeNumber(const std::string& text, int least, int most, int& value) {
        std::istringstream in(text);
        int number = 0;
        char extra = 0;
        if (!(in >> number) || in >> extra || number < least || number > most) {
            return false;
        }
        value = number;
        return true;
    }

    std::string file;
    Settings& settings;
};

std::string withoutTrailingSpace(std::string text) {
    text.erase(text.find_last_not_of(" \t\r") + 1);
    return text;
}

void writeLine(std::ostream& out, const std::string& line, const char* comment) {
    out << std::left << std::setw(36) << line << "# " << comment << "\n";
}

std::string fieldValue(const Settings& settings, const Field& field) {
    if (field.number) return std::to_string(settings.*field.number);
    if (field.flag) return settings.*field.flag ? "on" : "off";
    return settings.*field.choice;
}

bool sameFile(const std::filesystem::path& one, const std::filesystem::path& other) {
    std::error_code error;
    return std::filesystem::equivalent(one, other, error) || one.lexically_normal() == other.lexically_normal();
}

std::string spelledOut(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == names.size() ? " or " : ", ") + shortened(names[i]);
    }
    return text;
}

}  // namespace

Settings readSettings(const std::string& fileName) {
    Settings settings;
    lastRead = LastRead{fileName};
    std::string all;
    std::string problem;
    if (!readDataText(fileName, playerFiles, all, problem)) {
        if (problem == missingFile) return settings;
        std::cout << fileName << ": " << problem << "; the defaults are used and the file is left as it is"
                  << std::endl;
        DataReport::noteProblem();
        lastRead.unreadable = true;
        return settings;
    }
    Reader reader(fileName, settings);
    std::istringstream lines(all);
    std::string text;
    while (std::getline(lines, text)) {
        ++reader.line;
        if (text.size() > longestLine) {
            reader.complain("line longer than " + std::to_string(longestLine) + " characters, ignored");
            continue;
        }
        std::istringstream words(text.substr(0, text.find('#')));
        std::string name;
        std::string value;
        if (!(words >> name)) {
            continue;
        }
        std::getline(words >> std::ws, value);
        reader.readLine(name, withoutTrailingSpace(value));
    }
    return settings;
}

std::string settingsText(const Settings& settings) {
    std::ostringstream out;
    out << header;
    for (const Field& field : fields) {
        writeLine(out, std::string(field.name) + " " + fieldValue(settings, field), field.comment);
    }
    for (int i = 0; i < actionCount; ++i) {
        Action action = static_cast<Action>(i);
        writeLine(out, std::string("bind ") + actionName(action) + " " + keyName(settings.bindings[action].key),
                  actionDescription(action));
    }
    for (int i = 0; i < actionCount; ++i) {
        Action action = static_cast<Action>(i);
        out << "pad " << actionName(action) << " " << padName(settings.bindings[action].pad) << "\n";
    }
    return out.str();
}

void checkDifficulty(Settings& settings, const std::vector<std::string>& names) {
    if (lastRead.difficultyLine == 0 || names.empty() ||
        std::find(names.begin(), names.end(), settings.difficulty) != names.end()) {
        return;
    }
    std::string fallback = Settings{}.difficulty;
    if (std::find(names.begin(), names.end(), fallback) == names.end()) fallback = names[0];
    std::cout << lastRead.file.string() << " line " << lastRead.difficultyLine << ": difficulty must be "
              << spelledOut(names) << ", using " << shortened(fallback) << std::endl;
    DataReport::noteProblem();
    settings.difficulty = fallback;
}

bool writeSettings(const Settings& settings, const std::filesystem::path& path) {
    if (lastRead.unreadable && sameFile(path, lastRead.file)) {
        std::cout << "Settings not saved: " << path.string() << " could not be read, so it is left as it is"
                  << std::endl;
        return false;
    }
    return replaceFile(path, settingsText(settings), "Settings not saved: cannot write ").written;
}

std::filesystem::path settingsSavePath() { return writeFolder() / "settings.txt"; }

bool saveSettings(const Settings& settings) { return writeSettings(settings, settingsSavePath()); }
