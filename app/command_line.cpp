#include "app/command_line.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <strings.h>

bool UpperCaseAndFindDebug(char *commandLine) {
    if (!commandLine)
        return false;
    for (char *p = commandLine; *p; ++p)
        *p = static_cast<char>(toupper(static_cast<unsigned char>(*p)));
    return strstr(commandLine, "DEBUG") != nullptr;
}

const char kHeadlessUsage[] = "usage: quorvex /list [/out FILE]\n"
                              "       quorvex /report ID[,ID...]|all [/raw] [/out FILE]\n"
                              "       quorvex /equipment [/out FILE]\n"
                              "       quorvex /history [/out FILE]\n";

namespace {

bool IsOption(const char *arg, const char *name) {
    return (arg[0] == '/' || arg[0] == '-') && strcasecmp(arg + 1, name) == 0;
}

bool ParseIdList(const char *list, bool (*validId)(int), const int *allIds, int allCount,
                 HeadlessRequest &request, char *error, size_t errorSize) {
    if (strcasecmp(list, "all") == 0) {
        if (allCount > kMaxHeadlessTools)
            allCount = kMaxHeadlessTools;
        for (int i = 0; i < allCount; ++i)
            request.tools[i] = allIds[i];
        request.toolCount = allCount;
        return true;
    }
    const char *p = list;
    while (true) {
        char *end = nullptr;
        long id = strtol(p, &end, 10);
        if (end == p || (*end != ',' && *end != 0) || id < 0 || id > 99999 ||
            !validId(static_cast<int>(id))) {
            snprintf(error, errorSize, "unknown tool id in '%s'", list);
            return false;
        }
        if (request.toolCount >= kMaxHeadlessTools) {
            snprintf(error, errorSize, "too many tool ids (at most %d)", kMaxHeadlessTools);
            return false;
        }
        request.tools[request.toolCount++] = static_cast<int>(id);
        if (*end == 0)
            return true;
        p = end + 1;
    }
}

} // namespace

bool IsHeadlessCommand(const char *firstArg) {
    return firstArg && (IsOption(firstArg, "list") || IsOption(firstArg, "report") ||
                        IsOption(firstArg, "equipment") || IsOption(firstArg, "history"));
}

bool ParseHeadlessArgs(int argc, const char *const *argv, bool (*validId)(int), const int *allIds,
                       int allCount, HeadlessRequest &request, char *error, size_t errorSize) {
    request = HeadlessRequest{};
    if (errorSize)
        error[0] = 0;
    // Only a first argument naming a headless mode selects a headless run; anything else is the
    // ordinary start (which only looks for DEBUG).
    if (argc < 1 || !IsHeadlessCommand(argv[0]))
        return true;
    request.mode = IsOption(argv[0], "list")      ? kHeadlessList
                   : IsOption(argv[0], "report")  ? kHeadlessReport
                   : IsOption(argv[0], "history") ? kHeadlessHistory
                                                  : kHeadlessEquipment;
    int i = 1;
    if (request.mode == kHeadlessReport) {
        if (i >= argc || argv[i][0] == '/') {
            snprintf(error, errorSize, "/report needs a list of tool ids or 'all'");
            return false;
        }
        if (!ParseIdList(argv[i], validId, allIds, allCount, request, error, errorSize))
            return false;
        ++i;
    }
    for (; i < argc; ++i) {
        if (IsOption(argv[i], "raw") && request.mode == kHeadlessReport && !request.raw) {
            request.raw = true;
        } else if (IsOption(argv[i], "out") && !request.outPath) {
            if (i + 1 >= argc || argv[i + 1][0] == 0) {
                snprintf(error, errorSize, "/out needs a file name");
                return false;
            }
            request.outPath = argv[++i];
        } else {
            snprintf(error, errorSize, "unknown argument '%s'", argv[i]);
            return false;
        }
    }
    return true;
}
