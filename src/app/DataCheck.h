#pragma once

// `rerara --check`: loads every data file as start-up does, without a
// window, reports every problem in every file, and returns the exit status:
// 1 when start-up would stop, else 0.
int runDataCheck();
