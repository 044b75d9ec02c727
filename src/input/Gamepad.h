#pragma once

// Starts SDL's joystick support and opens the first joystick or gamepad for
// the rest of the run, its events feeding the controls' pad state
// (input/Controls.h). One line says which pad, or that there is none.
void openGamepad();
