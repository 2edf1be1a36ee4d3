// What a window would show, as text lines, for runs that open no windows (headless): the tool that
// would open a window writes its content here and the headless output prints it after the report.
#pragma once

constexpr int kEchoLines = 64;
constexpr int kEchoLineSize = 128;

// Drops every line written so far.
void ClearWindowEcho();
// Adds one line (printf-style, cut to fit); lines past the last slot are dropped.
void EchoWindowLine(const char *format, ...) __attribute__((format(printf, 1, 2)));
int WindowEchoCount();
const char *WindowEchoLine(int i);
