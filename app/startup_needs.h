// Which start-up work a headless run does for the tools it runs. Every run creates the windows, the
// drawing objects and the four records and reads the history; the equipment record (the registry walk
// and the measurements, the slow part of start-up) is filled only when one of its tools reads it.
#pragma once

// Whether the tool of the command id reads the equipment record. The About content (3402) does not.
bool ToolReadsEquipment(int commandId);
// Whether any of the tools does.
bool AnyToolReadsEquipment(const int *commandIds, int count);
