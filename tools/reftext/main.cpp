// reftext: turns the readable sources of the Info reference tables into RCDATA texts in report line
// format and a resource script that lists them.
//
//     reftext SRC_DIR OUT_DIR
//
// Every SRC_DIR/NNNN.txt becomes OUT_DIR/NNNN.dat and a line "NNNN RCDATA "NNNN.dat"" of
// OUT_DIR/info.rc. Source lines:
//     # text                 a comment (skipped), as are empty lines
//     --                     a line holding one space (it separates groups)
//     == A | B | C           a heading line: each cell gets code 6, cells are tab-separated
//     A | B | C              a row: A, tab, code 3 and B, tab, C (further cells plain)
// A line that comes out longer than 255 characters, or a source with tabs or control characters, stops
// the build with the file and line number.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr size_t kLineLimit = 255;

std::vector<std::string> SplitCells(const std::string &text) {
    std::vector<std::string> cells;
    size_t start = 0;
    for (;;) {
        size_t bar = text.find(" | ", start);
        cells.push_back(text.substr(start, bar == std::string::npos ? std::string::npos : bar - start));
        if (bar == std::string::npos)
            return cells;
        start = bar + 3;
    }
}

// One source line as a report line; false for lines that give none.
bool ConvertLine(const std::string &source, std::string *line) {
    if (source.empty() || source[0] == '#')
        return false;
    if (source == "--") {
        *line = " ";
        return true;
    }
    line->clear();
    bool heading = source.rfind("== ", 0) == 0;
    std::vector<std::string> cells = SplitCells(heading ? source.substr(3) : source);
    for (size_t i = 0; i < cells.size(); ++i) {
        if (i)
            *line += '\t';
        if (heading)
            *line += '\006';
        else if (i == 1)
            *line += '\003';
        *line += cells[i];
    }
    return true;
}

bool ConvertFile(const fs::path &source, const fs::path &target) {
    std::ifstream in(source, std::ios::binary);
    std::string out, text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        bool bad = std::any_of(text.begin(), text.end(), [](char c) { return c > 0 && c < ' '; });
        std::string line;
        if (!bad && !ConvertLine(text, &line))
            continue;
        if (bad || line.size() > kLineLimit) {
            std::fprintf(stderr, "%s:%d: %s\n", source.string().c_str(), number,
                         bad ? "tab or control character" : "line longer than 255 characters");
            return false;
        }
        out += line + '\n';
    }
    std::ofstream(target, std::ios::binary) << out;
    return true;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: reftext SRC_DIR OUT_DIR\n");
        return 2;
    }
    std::vector<fs::path> sources;
    for (const fs::directory_entry &entry : fs::directory_iterator(argv[1]))
        if (entry.path().extension() == ".txt")
            sources.push_back(entry.path());
    std::sort(sources.begin(), sources.end());
    std::ostringstream script;
    script << "// Generated from resources/info: the Info reference tables.\n";
    for (const fs::path &source : sources) {
        std::string stem = source.stem().string();
        if (stem.empty() ||
            !std::all_of(stem.begin(), stem.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            std::fprintf(stderr, "%s: the file name must be the resource id\n", source.string().c_str());
            return 1;
        }
        if (!ConvertFile(source, fs::path(argv[2]) / (stem + ".dat")))
            return 1;
        script << stem << " RCDATA \"" << stem << ".dat\"\n";
    }
    std::ofstream(fs::path(argv[2]) / "info.rc") << script.str();
    return 0;
}
