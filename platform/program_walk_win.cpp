#include "platform/program_walk_win.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct FolderIdentity {
    DWORD volume, high, low;
    bool operator<(const FolderIdentity &o) const {
        if (volume != o.volume)
            return volume < o.volume;
        if (high != o.high)
            return high < o.high;
        return low < o.low;
    }
    bool operator==(const FolderIdentity &o) const {
        return volume == o.volume && high == o.high && low == o.low;
    }
};

struct PendingFolder {
    std::string path; // without a trailing backslash except at a root
    int depth;
};

struct Walk {
    ProgramFileVisitor visit;
    void *context;
    ProgramWalkCounts counts;
    std::vector<FolderIdentity> seen; // sorted
    std::vector<PendingFolder> pending;
};

// Where the system names the folder (NT-style systems; not Windows 95), its identity goes into the
// seen list: true when it was there already.
bool SeenBefore(Walk &walk, const std::string &path) {
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    BY_HANDLE_FILE_INFORMATION info;
    BOOL known = GetFileInformationByHandle(h, &info);
    CloseHandle(h);
    if (!known || (info.nFileIndexHigh == 0 && info.nFileIndexLow == 0))
        return false;
    FolderIdentity id = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    auto at = std::lower_bound(walk.seen.begin(), walk.seen.end(), id);
    if (at != walk.seen.end() && *at == id)
        return true;
    walk.seen.insert(at, id);
    return false;
}

std::string Pattern(const std::string &folder, const char *wildcard) {
    std::string p = folder;
    if (p.empty() || p.back() != '\\')
        p += '\\';
    return p + wildcard;
}

// Whether the name ends in ".exe" (any case): what the pattern "*.exe" finds, by the long name or the
// short one.
bool IsProgramName(const WIN32_FIND_DATAA &found) {
    auto endsInExe = [](const char *name) {
        size_t length = strlen(name); // both names end within their arrays
        return length > 4 && _stricmp(name + length - 4, ".exe") == 0;
    };
    return endsInExe(found.cFileName) || endsInExe(found.cAlternateFileName);
}

// One listing of the folder: its programs are visited in the order the system lists them, and its
// sub-folders (names not beginning with ".") are queued to be entered in that order.
void SearchFolder(Walk &walk, const PendingFolder &folder) {
    std::string pattern = Pattern(folder.path, "*.*");
    WIN32_FIND_DATAA found;
    HANDLE find = FindFirstFileA(pattern.c_str(), &found);
    if (find == INVALID_HANDLE_VALUE)
        return;
    size_t firstNew = walk.pending.size();
    do {
        found.cFileName[sizeof found.cFileName - 1] = '\0';
        found.cAlternateFileName[sizeof found.cAlternateFileName - 1] = '\0';
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            if ((found.dwFileAttributes & (FILE_ATTRIBUTE_NORMAL | FILE_ATTRIBUTE_ARCHIVE)) == 0 ||
                !IsProgramName(found))
                continue;
            ++walk.counts.files;
            walk.visit(folder.path.c_str(), found, walk.context);
            continue;
        }
        if (found.cFileName[0] == '.')
            continue;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
            ++walk.counts.loopsSkipped;
            continue;
        }
        std::string child = folder.path;
        if (child.back() != '\\')
            child += '\\';
        child += found.cFileName;
        // The search pattern appended to the child must still fit a path.
        if (folder.depth + 1 > kProgramWalkMaxDepth || child.size() + 5 >= MAX_PATH) {
            ++walk.counts.tooDeep;
            continue;
        }
        walk.pending.push_back({child, folder.depth + 1});
    } while (FindNextFileA(find, &found));
    FindClose(find);
    // The list is taken from its end: reverse the new entries so that folders are entered in order.
    std::reverse(walk.pending.begin() + static_cast<std::ptrdiff_t>(firstNew), walk.pending.end());
}

void WalkFrom(Walk &walk, const char *root) {
    walk.pending.push_back({root, 0});
    while (!walk.pending.empty()) {
        PendingFolder folder = walk.pending.back();
        walk.pending.pop_back();
        if (SeenBefore(walk, folder.path)) {
            ++walk.counts.loopsSkipped;
            continue;
        }
        ++walk.counts.directories;
        SearchFolder(walk, folder);
    }
}

Walk StartWalk(ProgramFileVisitor visit, void *context) {
    Walk walk;
    walk.visit = visit;
    walk.context = context;
    walk.counts = {};
    return walk;
}

} // namespace

ProgramWalkCounts WalkProgramFiles(ProgramFileVisitor visit, void *context) {
    Walk walk = StartWalk(visit, context);
    for (char letter = 'C'; letter <= 'Z'; ++letter) {
        char root[4] = {letter, ':', '\\', '\0'};
        if (GetDriveTypeA(root) == DRIVE_FIXED)
            WalkFrom(walk, root);
    }
    return walk.counts;
}

ProgramWalkCounts WalkProgramTree(const char *root, ProgramFileVisitor visit, void *context) {
    Walk walk = StartWalk(visit, context);
    if (root && root[0] && std::strlen(root) + 5 < MAX_PATH) {
        std::string start = root;
        // "C:\" keeps its backslash; "C:\folder\" loses it.
        if (start.size() > 3 && start.back() == '\\')
            start.pop_back();
        WalkFrom(walk, start.c_str());
    }
    return walk.counts;
}
