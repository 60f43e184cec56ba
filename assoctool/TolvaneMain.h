#pragma once

// Tolvane's start: "-Initilize" (any case) opens the association window and registers every type, "-Delete"
// removes every association; anything else, or nothing, ends at once without touching the display.
int tolvaneMain(int argc, char* argv[]);
