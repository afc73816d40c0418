#pragma once

// The program's command-line options. Without any of them the program starts
// its window as it always did.
namespace CommandLine {

// True when the arguments ask for something the command line does itself
// (--import-word-set with --system or --to, --export-progress, --help, --version).
bool handles(int argc, char *argv[]);

// Does it without opening a window; the program's exit code.
int run(int argc, char *argv[]);

} // namespace CommandLine
