#pragma once
// Looks up the tool-help functions of KERNEL32 by name, once, at start-up.
void BindToolHelp();
