// The kind of an executable by its headers, and the inventory's lines.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "programs/program_rules.h"
#include "tests/report_buffer_helpers.h"

namespace {

bool ReadBytes(void *context, uint32_t offset, unsigned char *out, size_t size, size_t *got) {
    const std::string &file = *static_cast<const std::string *>(context);
    size_t n = offset < file.size() ? std::min(size, file.size() - offset) : 0;
    memcpy(out, file.data() + (offset < file.size() ? offset : 0), n);
    *got = n;
    return true;
}

// An executable: "MZ", the new header's offset at 60, and the new header's signature and flag words.
std::string Executable(uint32_t offset, const char *signature, uint16_t flags12, uint16_t flags22,
                       size_t size) {
    std::string file(size, '\0');
    file[0] = 'M', file[1] = 'Z';
    for (int i = 0; i < 4; ++i)
        file[60 + i] = static_cast<char>(offset >> (8 * i));
    if (signature && offset + 24 <= size) {
        file[offset] = signature[0], file[offset + 1] = signature[1];
        file[offset + 12] = static_cast<char>(flags12), file[offset + 13] = static_cast<char>(flags12 >> 8);
        file[offset + 22] = static_cast<char>(flags22), file[offset + 23] = static_cast<char>(flags22 >> 8);
    }
    return file;
}

TEST(ProgramRules, KindByTheNewHeader) {
    struct Case {
        const char *what;
        std::string file;
        ExecutableKind kind;
    } cases[] = {
        {"MZ without a new header", Executable(0, nullptr, 0, 0, 200), kKindDos},
        {"NE program", Executable(128, "NE", 0x0302, 0, 400), kKindWindows3},
        {"NE library", Executable(128, "NE", 0x8302, 0, 400), kKindDos},
        {"PE program", Executable(128, "PE", 0x8000, 0x010F, 400), kKindWindows95},
        {"PE library named .exe", Executable(128, "PE", 0, 0x2102, 400), kKindDos},
        {"header exactly at the end", Executable(136, "PE", 0, 0, 200), kKindWindows95},
        {"header one byte short", Executable(137, "PE", 0, 0, 200), kKindDos},
        {"offset past the end", Executable(5000, nullptr, 0, 0, 200), kKindDos},
        {"negative offset", Executable(0xFFFFFF80u, nullptr, 0, 0, 200), kKindDos},
        {"shorter than its first header", std::string("MZ\x90\0", 4), kKindDos},
        {"empty", std::string(), kKindDos},
    };
    for (Case &c : cases)
        EXPECT_EQ(ClassifyExecutable({ReadBytes, &c.file}), c.kind) << c.what;
    auto failing = [](void *, uint32_t, unsigned char *, size_t, size_t *) { return false; };
    EXPECT_EQ(ClassifyExecutable({failing, nullptr}), kKindDos);
}

TEST(ProgramRules, InventoryLinesSortedByName) {
    auto report = NewReport();
    AddProgramHeading(*report);
    AddProgramLine(*report, {"zeta.exe", 4294967295u, {3, 1, 1995}, {3, 1, 2000}, {0, 0, 0}, "C:\\"});
    AddProgramLine(*report,
                   {"Alpha.EXE", 1024, {12, 31, 2026}, {1, 2, 1999}, {10, 5, 2001}, "C:\\Apps\\Old"});
    AddProgramLine(*report, {"beta.exe", 0, {0, 0, 0}, {0, 0, 0}, {0, 0, 0}, "D:\\b"});
    SortProgramLines(*report);
    EXPECT_EQ(
        ReportText(*report),
        "\006Name\t\006Size\t\006Created\t\006Accessed\t\006Written\t\006Path\n"
        "\003Alpha.EXE\t\0031024\t\00312/31/26\t\00301/02/99\t\00310/05/01\t\003C:\\Apps\\Old\\Alpha.EXE\n"
        "\003beta.exe\t\0030\t\00300/00/00\t\00300/00/00\t\00300/00/00\t\003D:\\b\\beta.exe\n"
        "\003zeta.exe\t\0034294967295\t\00303/01/95\t\00303/01/00\t\00300/00/00\t\003C:\\zeta.exe\n");
}

} // namespace
