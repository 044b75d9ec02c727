#pragma once

#include <string>

// SOIL reads images by name, so each is looked at first: SOIL is handed only
// a regular file within the size an image may have, whose picture, as its
// header gives it, is at most this many pixels a side.
const unsigned largestImageSide = 4096;

// Why `file` is no image to hand to SOIL, in a few words; missingFile
// (core/DataFile.h) when it is not there; empty when it may be read.
std::string imageFileProblem(const std::string& file);
