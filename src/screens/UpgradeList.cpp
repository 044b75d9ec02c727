#include "screens/UpgradeList.h"

#include "assets/Font.h"
#include "core/Constants.h"
#include "ui/Text.h"

namespace {
const char* const separator = ",  ";

// The items that fit on rows of `width`, each row's text; `shown` counts them.
std::vector<std::string> wrapped(Font& font, const std::vector<std::string>& items, float scale, float width,
                                 size_t rows, size_t& shown) {
    std::vector<std::string> lines{"Upgrades:  "};
    shown = 0;
    for (const std::string& item : items) {
        std::string longer = lines.back() + (shown > 0 ? separator : "") + item;
        if (font.textWidth(longer, scale) <= width) {
            lines.back() = longer;
        } else if (lines.size() < rows) {
            lines.push_back(item);
        } else {
            break;
        }
        ++shown;
    }
    return lines;
}
}  // namespace

void drawUpgradeList(Font& font, const std::vector<std::string>& items, float y, float scale, float width,
                     size_t rows) {
    if (items.empty() || rows == 0) return;
    size_t shown = 0;
    std::vector<std::string> lines = wrapped(font, items, scale, width, rows, shown);
    if (shown < items.size()) lines.back() += "  and " + std::to_string(items.size() - shown) + " more";
    for (size_t i = 0; i < lines.size(); ++i) {
        drawText(font, lines[i], w / 2.0f, y - scale * 1.5f * static_cast<float>(i), scale, colours::calm,
                 Align::centre);
    }
}
