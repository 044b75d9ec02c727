#pragma once

// Starts SDL's joystick support and opens the first joystick or gamepad,
// its events feeding the controls' pad state (input/Controls.h). One line
// says which pad, or that there is none.
void openGamepad();
// True once when the pad in use has stopped answering (unplugged): every
// control it held is released and a line says so. SDL 1.2 never tells; the
// file it reads the pad from does.
bool gamepadLost();
// True when a pad lost earlier is found again (one line names it); looks at
// most once a second, as the rescan reopens every input device.
bool lostGamepadFound();
