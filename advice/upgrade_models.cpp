#include "advice/upgrade_models.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

uint32_t ReadU32(const unsigned char *bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

void WriteU32(uint32_t value, unsigned char *bytes) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<unsigned char>(value >> (8 * i));
}

const char *SkipBlanks(const char *text) {
    while (*text == ' ' || *text == '\t')
        ++text;
    return text;
}

// The text without trailing blanks, carriage return and line feed.
size_t TrimmedLength(const char *text) {
    size_t n = strlen(text);
    while (n > 0 && (text[n - 1] == ' ' || text[n - 1] == '\t' || text[n - 1] == '\r' || text[n - 1] == '\n'))
        --n;
    return n;
}

// A decimal number followed by a blank or the end; false for anything else or out of range.
bool ReadNumber(const char *&text, long lowest, long highest, long &value) {
    char *end = nullptr;
    errno = 0;
    value = strtol(text, &end, 10);
    if (end == text || errno != 0 || value < lowest || value > highest ||
        (*end != 0 && !strchr(" \t\r\n", *end)))
        return false;
    text = end;
    return true;
}

} // namespace

bool ModelFileSizeOk(uint64_t size) {
    return size > 0 && size % kModelRecordSize == 0;
}

ModelRecord DecodeModelRecord(const unsigned char *bytes) {
    ModelRecord record;
    record.category = ReadU32(bytes);
    record.rating = static_cast<int32_t>(ReadU32(bytes + 4));
    memcpy(record.name, bytes + 8, kModelNameSize);
    record.name[kModelNameSize - 1] = 0;
    return record;
}

void EncodeModelRecord(const ModelRecord &record, unsigned char *bytes) {
    memset(bytes, 0, kModelRecordSize);
    WriteU32(record.category, bytes);
    WriteU32(static_cast<uint32_t>(record.rating), bytes + 4);
    memcpy(bytes + 8, record.name, strnlen(record.name, kModelNameSize - 1));
}

bool AddModelCandidate(const ModelRecord &record, uint32_t category, int32_t threshold, char *list,
                       size_t listSize) {
    if (record.category != category || record.rating <= threshold || listSize == 0)
        return false;
    size_t used = strnlen(list, listSize - 1);
    size_t name = strnlen(record.name, kModelNameSize - 1);
    if (used + name + 1 >= listSize)
        return false;
    memcpy(list + used, record.name, name);
    list[used + name] = '\n';
    list[used + name + 1] = 0;
    return true;
}

ModelLineKind ParseModelLine(const char *line, uint32_t &category, ModelRecord &record, char *error,
                             size_t errorSize) {
    const char *text = SkipBlanks(line);
    if (*text == '#' || TrimmedLength(text) == 0)
        return kModelLineSkip;
    long value = 0;
    if (strncmp(text, "category", 8) == 0 && (text[8] == ' ' || text[8] == '\t')) {
        text = SkipBlanks(text + 8);
        bool number = ReadNumber(text, 1, kModelCategories, value);
        text = SkipBlanks(text);
        if (!number || (*text != '#' && TrimmedLength(text) != 0)) {
            snprintf(error, errorSize, "a category is a number from 1 to %u", kModelCategories);
            return kModelLineError;
        }
        category = static_cast<uint32_t>(value);
        return kModelLineCategory;
    }
    if (category == 0) {
        snprintf(error, errorSize, "a model before the first \"category\" line");
        return kModelLineError;
    }
    if (!ReadNumber(text, -1000, 1000, value)) {
        snprintf(error, errorSize, "a model line is a rating (-1000 to 1000) and a name");
        return kModelLineError;
    }
    text = SkipBlanks(text);
    size_t length = TrimmedLength(text);
    if (length == 0 || length >= kModelNameSize) {
        snprintf(error, errorSize, "a model name has 1 to %zu characters", kModelNameSize - 1);
        return kModelLineError;
    }
    for (size_t i = 0; i < length; ++i)
        if (static_cast<unsigned char>(text[i]) < 32) {
            snprintf(error, errorSize, "a model name holds no control characters");
            return kModelLineError;
        }
    record = {};
    record.category = category;
    record.rating = static_cast<int32_t>(value);
    memcpy(record.name, text, length);
    return kModelLineModel;
}
