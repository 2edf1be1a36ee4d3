#pragma once
// Shows the Boost tips for the tool with index id - 2901; clears the screens and sets the titles itself.
void ShowBoostTips(int index);
