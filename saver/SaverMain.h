#pragma once

// The saver program: one instance per user, started with one "RUN##…" or "SHOW_CONFIG_FACE##…" line (the
// arguments joined by single blanks). It runs while its saver windows or its parameter dialog are loaded
// and answers 0 when it ends.
int saverMain(int argc, char* argv[]);
