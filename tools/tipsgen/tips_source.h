// The readable source of a tip file (resources/data/*.tips) and its conversion into the records of
// COACH.DAT or BOOST.DAT, written by the same code that reads them (advice/tips.cpp).
//
//   # a comment ('#' first on a line)
//   tools 10 boost              # first: how many tools, and "boost" (Value, Effort, downside required)
//                               # or "coach" (names and descriptions only)
//   tool 3 Memory Free          # the tips that follow belong to tool 3; the name is for the reader
//   tip Close programs you are not using
//   value 4                     # 1..5
//   effort 1                    # 1..5
//   downside None
//   description First line of the description,
//       continued on lines that start with a blank (joined with one space).
#pragma once

#include <string>
#include <vector>

#include "advice/tips.h"

// Parses a source; on the first fault false, with "name:line: message" in error.
bool ParseTipSource(const std::string &text, const std::string &name, std::vector<TipRecord> &tips,
                    std::string &error);
// The file image of the tips: their records one after another.
std::string EncodeTipFile(const std::vector<TipRecord> &tips);
