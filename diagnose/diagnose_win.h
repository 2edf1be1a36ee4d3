// The Diagnose tests that run when a Diagnose report asks for them: the printer page, the processor
// and coprocessor, memory and the floppy drives. Each runs on the calling (main) thread, fills its
// record and returns what it found.
#pragma once

#include <windows.h>

#include "diagnose/test_routines.h"

// One page of test lines on the printer the user picks, under the printer lock. 0 unless a page or
// document call failed; a cancelled dialog or a document that cannot start also gives 0, and then
// printed (when given) is false: the test did not run.
DWORD RunPrinterTest(HWND owner, bool *printed = nullptr);

// The register and flag tests, each a sequence of 16-bit instructions whose outcome sets its flag.
// Results start cleared.
TestOutcome RunCpuTests(CpuTestResults &results);
// Clears the coprocessor flags: passed.
TestOutcome RunFpuTests(FpuTestResults &results);
// The heap blocks of every process (where the system lists heaps), read and compared, then the free
// memory test over one block of at most kMemoryBlockLimit bytes. An allocation that fails makes the
// block smaller, never ends the program. Not run when neither half found anything to test.
TestOutcome RunMemoryTest(MemoryTestResults &results);
// Drive type, reset and status through the BIOS disk call for A: and B:. Not run when neither drive
// is a floppy drive the BIOS knows (for example where there is no VWIN32 device).
TestOutcome RunFloppyTests(FloppyTestResults &results);
