#include "assets/Font.h"
GLuint letterTextures[128];
std::vector<metrics> letterMetrics(128, metrics{0, 0, 0, 0, 0, 0, 0});
FT_Face face;
Font::Font(std::string) : ready(0) {}
void Font::displayText(std::string, float, float, float) {}
