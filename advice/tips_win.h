// Reading a tip file beside the program and showing a tip list in both screens.
#pragma once

#include <windows.h>

#include "advice/tips.h"

// The tips of one tool from the tip file in the program's directory, in file order, in an array the
// caller frees with free(); null and 0 when there are none. A missing file, one of a wrong size or one
// that cannot be read shows the file's message once; records read before a failed read are kept.
int ReadTipFile(const char *fileName, uint32_t tool, TipRecord **tips);

// Writes a tip list's report into the report buffer.
using TipReportWriter = void (*)(const char *toolName, const TipRecord *tips, int count, void *context);

// Empties both screens, sets the titles for the tool, reads its tips, writes and shows the report and
// fills the Quick Help with the text helpId followed by the tips.
void ShowToolTips(const char *toolName, const char *fileName, uint32_t tool, int helpId,
                  TipReportWriter write, void *context);
