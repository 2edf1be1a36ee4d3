#include "platform/utilities.h"

#include <cctype>
#include <cstdio>
#include <cstring>

void FormatTraceV(char *out, size_t outSize, int kind, const char *label, va_list args) {
    if (outSize == 0)
        return;
    if (!label)
        label = "";
    switch (kind) {
        case kTraceBool:
            snprintf(out, outSize, "%s = %s", label, va_arg(args, int) == 1 ? "TRUE" : "FALSE");
            break;
        case kTraceInt:
            snprintf(out, outSize, "%s = %d", label, va_arg(args, int));
            break;
        case kTraceText: {
            const char *text = va_arg(args, const char *);
            snprintf(out, outSize, "%s = %s", label, text ? text : "");
            break;
        }
        case kTraceFloat:
            snprintf(out, outSize, "%s = %5.2f", label, va_arg(args, double));
            break;
        case kTraceULong:
            snprintf(out, outSize, "%s = %lu", label, va_arg(args, unsigned long));
            break;
        case kTraceChar:
            snprintf(out, outSize, "%s = %c", label, static_cast<char>(va_arg(args, int)));
            break;
        case kTraceUInt:
            snprintf(out, outSize, "%s = %u", label, va_arg(args, unsigned int));
            break;
        case kTraceDouble:
            snprintf(out, outSize, "%s = %5.2lf", label, va_arg(args, double));
            break;
        default:
            snprintf(out, outSize, "%s = ?", label);
            break;
    }
}

void FormatTrace(char *out, size_t outSize, int kind, const char *label, ...) {
    va_list args;
    va_start(args, label);
    FormatTraceV(out, outSize, kind, label, args);
    va_end(args);
}

ScreenPoint CenteredPosition(int width, int height, const ScreenRect *other, const ScreenRect &desktop) {
    ScreenPoint p;
    if (other) {
        int cx = (other->left + other->right) / 2;
        int cy = (other->top + other->bottom) / 2;
        p.x = cx - width / 2;
        p.y = cy - height / 2;
        if (p.x < 0)
            p.x = 0;
        if (p.y < 0)
            p.y = 0;
        if (p.x + width > desktop.right)
            p.x = desktop.right - width;
        if (p.y + height > desktop.bottom)
            p.y = desktop.bottom - height;
    } else {
        p.x = (desktop.left + desktop.right) / 2 - width / 2;
        p.y = (desktop.top + desktop.bottom) / 2 - height / 2;
        if (p.x < 0)
            p.x = 0;
        if (p.y < 0)
            p.y = 0;
    }
    return p;
}

void CopyUpper(const char *source, char *destination, size_t size) {
    if (!source || !destination || size == 0)
        return;
    size_t i = 0;
    for (; i + 1 < size && source[i]; ++i)
        destination[i] = static_cast<char>(toupper(static_cast<unsigned char>(source[i])));
    destination[i] = 0;
}

void CleanOutsideText(char *text) {
    if (!text)
        return;
    for (unsigned char *p = reinterpret_cast<unsigned char *>(text); *p; ++p)
        if (*p < 32)
            *p = ' ';
}

void CopyOutsideText(const char *source, char *destination, size_t size) {
    if (!destination || size == 0)
        return;
    size_t i = 0;
    for (; source && i + 1 < size && source[i]; ++i) {
        unsigned char c = static_cast<unsigned char>(source[i]);
        destination[i] = c < 32 ? ' ' : static_cast<char>(c);
    }
    destination[i] = 0;
}

void FormatHexBytes(const unsigned char *bytes, size_t length, char *destination, size_t size) {
    if (!destination || size == 0)
        return;
    static const char kDigits[] = "0123456789abcdef";
    size_t n = 0;
    for (size_t i = 0; i < length; ++i) {
        size_t need = (i ? 1 : 0) + 2;
        if (n + need + 1 > size)
            break;
        if (i)
            destination[n++] = ' ';
        destination[n++] = kDigits[bytes[i] >> 4];
        destination[n++] = kDigits[bytes[i] & 15];
    }
    destination[n] = 0;
}

void CleanCaptionText(const char *caption, char *destination, size_t size) {
    if (size == 0)
        return;
    destination[0] = 0;
    if (!caption)
        return;
    const char *start = caption;
    while (*start == '-')
        ++start;
    const char *end = start;
    while (*end && *end != '-')
        ++end;
    while (end > start && isspace(static_cast<unsigned char>(end[-1])))
        --end;
    size_t n = static_cast<size_t>(end - start);
    if (n > size - 1)
        n = size - 1;
    memcpy(destination, start, n);
    destination[n] = 0;
}

unsigned HistogramMean(const uint32_t *counts, size_t sizeInBytes) {
    size_t n = sizeInBytes / 4;
    // 64-bit sums: a long history of busy seconds must not wrap.
    uint64_t weighted = 0, total = 0;
    for (size_t i = 1; i < n; ++i) {
        weighted += static_cast<uint64_t>(i) * counts[i];
        total += counts[i];
    }
    return static_cast<unsigned>(weighted / (total ? total : 1));
}

void QuickSort(int first, int last, bool (*less)(void *context, int i, int j),
               void (*swap)(void *context, int i, int j), void *context) {
    // Sorts the smaller side by recursion and loops on the larger, so the depth stays logarithmic.
    while (first < last) {
        int middle = first + (last - first) / 2;
        // Median of three to the end as pivot, so sorted and reversed input stay fast.
        if (less(context, middle, first))
            swap(context, middle, first);
        if (less(context, last, first))
            swap(context, last, first);
        if (less(context, middle, last))
            swap(context, middle, last);
        // Both scans stop at items equal to the pivot and swap them, so runs of equal items split in
        // the middle instead of one at a time.
        int store = first, j = last - 1;
        for (;;) {
            while (less(context, store, last))
                ++store;
            while (j > first && less(context, last, j))
                --j;
            if (store >= j)
                break;
            swap(context, store, j);
            ++store;
            --j;
        }
        if (store != last)
            swap(context, store, last);
        if (store - first < last - store) {
            QuickSort(first, store - 1, less, swap, context);
            first = store + 1;
        } else {
            QuickSort(store + 1, last, less, swap, context);
            last = store - 1;
        }
    }
}
