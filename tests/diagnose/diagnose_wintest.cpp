// The Diagnose test routines on this processor and this Wine, and the printer test's page.
#include <windows.h>

#include <gtest/gtest.h>

#include "diagnose/diagnose_win.h"
#include "platform/globals_win.h"
#include "tests/printed_pages.h"

namespace {

TEST(DiagnoseRoutines, ProcessorMemoryAndFloppyGiveTheirRealOutcomes) {
    CpuTestResults cpu = {};
    EXPECT_EQ(RunCpuTests(cpu), kTestPassed);
    FpuTestResults fpu;
    memset(&fpu, 0xFF, sizeof fpu);
    EXPECT_EQ(RunFpuTests(fpu), kTestPassed);
    EXPECT_EQ(OutcomeOfFlags(fpu.flag, 8), kTestPassed);
    // Wine lists no heaps: the free memory half alone is tested.
    MemoryTestResults memory = {};
    EXPECT_EQ(RunMemoryTest(memory), kTestPassed);
    EXPECT_GT(memory.freeBytesTested, 0u);
    EXPECT_LE(memory.freeBytesTested, kMemoryBlockLimit);
    EXPECT_LE(memory.heapBlocksRead, memory.word[kMemBlocksTested]);
    // There is no VWIN32 device here: no drive is one the BIOS reports.
    FloppyTestResults floppy = {};
    EXPECT_EQ(RunFloppyTests(floppy), kTestNotRun);
}

TEST(DiagnoseRoutines, PrinterTestFillsExactlyOnePageWithTheTestLine) {
    size_t lines = TestPrinterRows();
    ASSERT_GT(lines, 0u) << "no test printer: scripts/test adds it (qv_test_printer.exe)";
    SetPrintFileNamer(NamePrintedFile);
    SetPrintDialogAnswerer(AnswerTestPrinter);
    EXPECT_EQ(RunPrinterTest(g_app.main), 0u);
    EXPECT_EQ(PrintedPages(PrintedFile(1)),
              std::vector<std::vector<std::string>>(1, std::vector<std::string>(lines, kPrinterTestLine)));
    SetPrintDialogAnswerer(AnswerCancel);
    EXPECT_EQ(RunPrinterTest(g_app.main), 0u);
    SetPrintDialogAnswerer(nullptr);
    SetPrintFileNamer(nullptr);
}

} // namespace
