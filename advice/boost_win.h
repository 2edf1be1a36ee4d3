#pragma once
// Shows the Boost tips of the named Boost tool; clears the screens and sets the titles itself.
void ShowBoostTips(const char *toolName);
