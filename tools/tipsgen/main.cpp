// tipsgen SOURCE OUTPUT: converts a readable tip source into COACH.DAT or BOOST.DAT records.
#include <cstdio>
#include <fstream>
#include <sstream>

#include "tools/tipsgen/tips_source.h"

int main(int argc, char **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: tipsgen SOURCE OUTPUT\n");
        return 2;
    }
    std::ifstream in(argv[1], std::ios::binary);
    if (!in) {
        fprintf(stderr, "tipsgen: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    std::vector<TipRecord> tips;
    std::string error;
    if (!ParseTipSource(text.str(), argv[1], tips, error)) {
        fprintf(stderr, "%s\n", error.c_str());
        remove(argv[2]);
        return 1;
    }
    std::string image = EncodeTipFile(tips);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!out.write(image.data(), static_cast<std::streamsize>(image.size()))) {
        fprintf(stderr, "tipsgen: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
