#pragma once
// The commands that draw or read the user's settings store need Qt; they live
// in a module that nivora-cli loads only when one of them runs, so that the
// commands which just read a file start without the toolkit's libraries. One
// C function is the whole interface between the two.

// The file name of the module; it lies next to the program in the build tree
// and in NIVORA_CLI_MODULE_DIR (relative to the program) when installed.
#define NIVORA_CLI_MODULE_FILE "nivora-cli-qt.so"
#define NIVORA_CLI_MODULE_ENTRY "nivora_cli_qt_run"

extern "C" {
// Runs argv[0] ("open", "report" or "render") with the arguments after it and
// returns the process exit status.
int nivora_cli_qt_run(int argc, const char* const* argv);
}
