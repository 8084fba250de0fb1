#pragma once

// Starts the program: decides the edition from the program's own path, gives
// the process its settings identity, installs the translators, builds the main
// window, restores its geometry and runs the event loop. Returns the process's
// exit status: 0 when the event loop ends, 1 when the path names no edition.
int runLarkspan(int argc, char **argv);
