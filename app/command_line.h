// What the command line asks for: the DEBUG word, and the headless modes used by scripts and tests.
#pragma once

#include <cstddef>

// Upper-cases the command line in place and tells whether it holds "DEBUG" anywhere.
bool UpperCaseAndFindDebug(char *commandLine);

enum HeadlessMode { kHeadlessNone, kHeadlessList, kHeadlessReport, kHeadlessEquipment, kHeadlessHistory };

constexpr int kMaxHeadlessTools = 400;

struct HeadlessRequest {
    HeadlessMode mode;
    bool raw;            // /report: write slot bytes exactly, escaping control and high bytes
    const char *outPath; // /out FILE, or null for standard output
    int toolCount;       // /report: the ids to run, in the order given
    int tools[kMaxHeadlessTools];
};

// Whether the first argument selects a headless run (/list, /report, /equipment or /history, any case).
bool IsHeadlessCommand(const char *firstArg);

// Reads the arguments (without the program name). Returns false with a message in error when the
// arguments name a headless mode but are not valid; mode stays kHeadlessNone when none is named.
// validId tells which ids /report accepts; "all" expands to allIds.
bool ParseHeadlessArgs(int argc, const char *const *argv, bool (*validId)(int), const int *allIds,
                       int allCount, HeadlessRequest &request, char *error, size_t errorSize);

extern const char kHeadlessUsage[];
