// MODELS.DAT, the list of component models the Upgrade tools offer: fixed 136-byte records, no
// header. The program reads it; tools/modelsgen writes it from resources/data/models.txt with the
// same code. No window types here.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kModelRecordSize = 136;
constexpr size_t kModelNameSize = 128;
constexpr size_t kCandidateListSize = 1024; // at most 1023 characters and the terminating zero
constexpr uint32_t kModelCategories = 21;

struct ModelRecord {
    uint32_t category;         // 1..21, the Upgrade tool's category
    int32_t rating;            // on the scale of the tool's Current Equipment score
    char name[kModelNameSize]; // always terminated
};

// Whether a file of this size can be MODELS.DAT: a whole, non-zero number of records.
bool ModelFileSizeOk(uint64_t size);
// One record from its 136 bytes (category and rating little-endian at 0 and 4, the name at 8). A name
// without its terminating zero ends at the end of its field.
ModelRecord DecodeModelRecord(const unsigned char *bytes);
// The 136 bytes of a record; the name field is zero-filled after the name.
void EncodeModelRecord(const ModelRecord &record, unsigned char *bytes);

// Adds the record's name and a line feed to the candidate list (a terminated text of listSize bytes)
// when the record is of the category and rated above the threshold, and only while the list stays
// under listSize characters; a name that does not fit is skipped. Returns whether it was added.
bool AddModelCandidate(const ModelRecord &record, uint32_t category, int32_t threshold, char *list,
                       size_t listSize);

// One line of the readable source: "category N" (perhaps followed by a '#' comment) starts the models
// of category N, "RATING NAME" is a model of the current category (a '#' in the name is part of it),
// blank lines and lines starting with '#' are skipped. category is
// the current category (0 before the first "category" line); it is updated by a "category" line.
enum ModelLineKind { kModelLineSkip, kModelLineCategory, kModelLineModel, kModelLineError };
ModelLineKind ParseModelLine(const char *line, uint32_t &category, ModelRecord &record, char *error,
                             size_t errorSize);
