#include "app/toolhelp.h"

// The tool-help table is filled once the process, module, thread and heap tools use it.
void BindToolHelp() {}
