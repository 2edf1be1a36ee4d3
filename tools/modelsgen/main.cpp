// Writes MODELS.DAT from its readable source:  modelsgen resources/data/models.txt OUT/MODELS.DAT
// Every category 1..21 must have a model. On any error it names file and line, writes nothing and
// exits with status 1, so that a mistake fails the build.
#include <cstdio>
#include <cstring>

#include "advice/upgrade_models.h"

int main(int argc, char **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: modelsgen SOURCE.txt MODELS.DAT\n");
        return 1;
    }
    FILE *in = fopen(argv[1], "r");
    if (!in) {
        fprintf(stderr, "%s: cannot read\n", argv[1]);
        return 1;
    }
    static unsigned char data[4000 * kModelRecordSize];
    size_t count = 0;
    int perCategory[kModelCategories + 1] = {};
    uint32_t category = 0;
    char line[1024];
    int lineNumber = 0;
    bool failed = false;
    while (!failed && fgets(line, sizeof line, in)) {
        ++lineNumber;
        char error[200] = "";
        ModelRecord record = {};
        ModelLineKind kind = kModelLineError;
        if (!strchr(line, '\n') && !feof(in))
            snprintf(error, sizeof error, "line longer than %zu characters", sizeof line - 2);
        else
            kind = ParseModelLine(line, category, record, error, sizeof error);
        if (kind == kModelLineModel && count == sizeof data / kModelRecordSize) {
            snprintf(error, sizeof error, "more than %zu models", count);
            kind = kModelLineError;
        }
        failed = kind == kModelLineError;
        if (kind == kModelLineModel) {
            EncodeModelRecord(record, data + count++ * kModelRecordSize);
            ++perCategory[record.category];
        }
        if (failed)
            fprintf(stderr, "%s:%d: %s\n", argv[1], lineNumber, error);
    }
    fclose(in);
    for (uint32_t c = 1; !failed && c <= kModelCategories; ++c)
        if (perCategory[c] == 0) {
            fprintf(stderr, "%s: category %u has no models\n", argv[1], c);
            failed = true;
        }
    if (failed) {
        remove(argv[2]);
        return 1;
    }
    FILE *out = fopen(argv[2], "wb");
    if (!out || fwrite(data, kModelRecordSize, count, out) != count || fclose(out) != 0) {
        fprintf(stderr, "%s: cannot write\n", argv[2]);
        remove(argv[2]);
        return 1;
    }
    return 0;
}
