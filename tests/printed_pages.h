// Shared by the printing window tests: the test printer as the answer of the print dialog, documents
// collected in files, and the text of each printed page read back from the PostScript.
#pragma once

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/printers_win.h"
#include "tests/test_printer.h"

// The test printer's context, as the print dialog returns it when the user presses OK.
inline HDC AnswerTestPrinter(HWND) {
    return CreateDCA(nullptr, kTestPrinterName, nullptr, nullptr);
}
inline HDC AnswerCancel(HWND) {
    return nullptr;
}
// Rows of the default font a page of the test printer holds (0 without the printer).
inline int TestPrinterRows() {
    HDC dc = AnswerTestPrinter(nullptr);
    TEXTMETRICA m = {};
    if (!dc || !GetTextMetricsA(dc, &m))
        return 0;
    int rows = GetDeviceCaps(dc, VERTRES) / (m.tmHeight + m.tmExternalLeading);
    DeleteDC(dc);
    return rows;
}

// Document n goes to "%TEMP%\qv-printed-n.ps".
inline std::string PrintedFile(int document) {
    char directory[MAX_PATH] = "";
    GetTempPathA(sizeof directory, directory);
    return std::string(directory) + "qv-printed-" + std::to_string(document) + ".ps";
}
inline void NamePrintedFile(int document, char *path, size_t size) {
    snprintf(path, size, "%s", PrintedFile(document).c_str());
    DeleteFileA(path);
}

// Every run of text drawn on each page, in order. Wine's PostScript driver writes "%%Page:" at each
// page, moves to the start of each text and then shows it glyph by glyph ("/A glyphshow").
inline std::vector<std::vector<std::string>> PrintedPages(const std::string &path) {
    // The glyph names of the characters from the space to "~" that are not named by themselves.
    std::istringstream names("space exclam quotedbl numbersign dollar percent ampersand quotesingle "
                             "parenleft parenright asterisk plus comma hyphen period slash zero one two "
                             "three four five six seven eight nine colon semicolon less equal greater "
                             "question at bracketleft backslash bracketright asciicircum underscore grave "
                             "braceleft bar braceright asciitilde");
    std::vector<std::string> glyph(128);
    for (int c = ' '; c <= '~'; ++c)
        if (!isalpha(c))
            names >> glyph[c];
    std::vector<std::vector<std::string>> pages;
    std::ifstream file(path, std::ios::binary);
    bool newRun = true;
    for (std::string line; std::getline(file, line);) {
        size_t show = line.find(" glyphshow");
        if (line.rfind("%%Page: ", 0) == 0) {
            pages.emplace_back();
        } else if (line.size() > 7 && line.compare(line.size() - 7, 7, " moveto") == 0) {
            newRun = true;
        } else if (line[0] == '/' && show != std::string::npos && !pages.empty()) {
            std::string name = line.substr(1, show - 1);
            char c = name.size() == 1 ? name[0] : '?';
            for (int g = ' '; g <= '~'; ++g)
                c = glyph[g] == name ? static_cast<char>(g) : c;
            if (newRun)
                pages.back().emplace_back();
            pages.back().back() += c;
            newRun = false;
        }
    }
    return pages;
}
