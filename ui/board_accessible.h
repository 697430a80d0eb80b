#pragma once

// Makes the window's own widgets readable by screen readers: the board as a table of 25 cells,
// each hand as a list of the kinds held, the control labels as buttons and the announcer as a
// notification. Call once, before the window is made.
void InstallBoardAccessibility();
