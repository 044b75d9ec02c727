#pragma once

#include <string>

// `rerara --check`: loads every data file as start-up does, without a
// window, reports every problem in every file, and returns the exit status:
// 1 when start-up would stop, else 0. With `--replay FILE`, the replay is
// read too and must fit this game and data, or the status is 1.
int runDataCheck(const std::string& replay);
