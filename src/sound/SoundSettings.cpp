#include "sound/SoundSettings.h"

#include <iostream>
#include <sstream>

#include "assets/DataReport.h"

namespace {
void complain(const std::string& fileName, int line, const std::string& what) {
    std::cout << fileName << " line " << line << ": " << what << std::endl;
    DataReport::noteProblem();
}

// A whole number from 0 to 100 and nothing else.
bool readPercent(const std::string& text, int& value) {
    std::istringstream in(text);
    int number = 0;
    char extra = 0;
    if (!(in >> number) || in >> extra || number < 0 || number > 100) {
        return false;
    }
    value = number;
    return true;
}
}  // namespace

SoundSettings readSoundSettings(const std::string& fileName) {
    SoundSettings settings;
    std::string all;
    readDataText(fileName, all);
    std::istringstream file(all);
    std::string text;
    for (int line = 1; std::getline(file, text); ++line) {
        std::istringstream words(text.substr(0, text.find('#')));
        std::string name;
        std::string value;
        if (!(words >> name)) {
            continue;
        }
        std::getline(words >> std::ws, value);
        if (name != "volume") {
            complain(fileName, line, "unknown setting '" + name + "', ignored");
        } else if (!readPercent(value, settings.volume)) {
            complain(fileName, line, "volume must be a whole number from 0 to 100, using " +
                                         std::to_string(settings.volume));
        }
    }
    return settings;
}
