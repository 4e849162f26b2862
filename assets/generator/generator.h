#pragma once

// Draws every picture of the program and saves them as PNG files:
//   <program> <output directory>
// The output depends only on this code and the installed Liberation Sans, so rerunning it reproduces
// the committed pictures exactly. Returns the process's exit status.
int runGenerator(int argc, char* argv[]);
