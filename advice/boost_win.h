#pragma once
// Shows the Boost tips of the named Boost tool (2901..2910): clears the screens and sets the titles
// itself. A name that is no Boost tool shows the program's error message.
void ShowBoostTips(const char *toolName);
