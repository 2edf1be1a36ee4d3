#include "report/utilities.h"

#include <cstdio>

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
