#include "assets/DataReport.h"

#include <cmath>
#include <iostream>
#include <sstream>
#include <utility>

int DataReport::totalWarnings = 0;
int DataReport::totalErrors = 0;

namespace {
const int shownWarnings = 3;
const int shownErrors = 10;
bool everything = false;

void printHidden(const std::string& file, int count, int shown, const char* kind) {
    if (count > shown) {
        std::cout << file << ": " << count - shown << " more " << kind << " not shown" << std::endl;
    }
}
}  // namespace

DataReport::DataReport(std::string fileName) : file(std::move(fileName)) {}

DataReport::~DataReport() {
    printHidden(file, warnings, shownWarnings, "warnings");
    printHidden(file, errors, shownErrors, "errors");
}

void DataReport::print(int line, const std::string& what) {
    std::cout << file;
    if (line > 0) std::cout << " line " << line;
    std::cout << ": " << what << std::endl;
}

void DataReport::warn(int line, const std::string& what) {
    ++totalWarnings;
    if (++warnings <= shownWarnings) print(line, what);
}

void DataReport::fail(int line, const std::string& what) {
    ++totalErrors;
    if (++errors <= shownErrors) print(line, what + failOutcome);
}

bool DataReport::check(int line, const std::string& what, float value, float lo, float hi) {
    if (!checkFinite(line, what, value)) return false;
    if (value >= lo && value <= hi) return true;
    fail(line, what + " " + describe(value) + " is not between " + describe(lo) + " and " + describe(hi));
    return false;
}

bool DataReport::checkFinite(int line, const std::string& what, float value) {
    if (std::isfinite(value)) return true;
    fail(line, what + " " + describe(value) + " is not a finite number");
    return false;
}

void setCheckingEverything(bool on) { everything = on; }

bool checkingEverything() { return everything; }

void skipByteOrderMark(std::string& text) {
    if (text.compare(0, byteOrderMarkLength, byteOrderMark) == 0) text.erase(0, byteOrderMarkLength);
}

bool readDataText(const std::string& name, const FileKind& kind, std::string& text, std::string& problem) {
    if (!readDataFile(name, kind, text, problem)) return false;
    skipByteOrderMark(text);
    return true;
}

void reportUnreadable(const std::string& name, const std::string& problem) {
    if (problem != missingFile) std::cout << name << ": " << problem << std::endl;
}

std::string describe(float value) {
    std::ostringstream text;
    text << value;
    return text.str();
}
