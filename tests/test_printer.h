// The printer of the Wine test prefixes: Wine's PostScript driver with the PPD of
// tests/fixtures/test_printer.ppd on port FILE:, added by tests/tools/add_test_printer.cpp (scripts/test
// runs it). Documents printed with an output file write PostScript there.
#pragma once

constexpr char kTestPrinterName[] = "Quorvex Test Printer";
constexpr char kTestPrinterPpd[] = "test_printer.ppd";
