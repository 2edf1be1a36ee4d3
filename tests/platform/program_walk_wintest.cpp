// The program-file walk on a crafted folder tree whose deepest folder links back to its top (the build
// makes the link; under Wine it is a Linux symbolic link and looks like any folder).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/program_walk_win.h"
#include "platform/utilities_win.h"

namespace {

void CollectPath(const char *directory, const WIN32_FIND_DATAA &found, void *context) {
    auto *paths = static_cast<std::vector<std::string> *>(context);
    paths->push_back(std::string(directory) + "|" + found.cFileName);
}

void MakeFile(const std::string &path) {
    HANDLE h =
        CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
    CloseHandle(h);
}

std::string TreeRoot() {
    char folder[MAX_PATH];
    ProgramDirectory(nullptr, folder, sizeof folder);
    return std::string(folder) + "\\walk_tree";
}

TEST(ProgramWalk, FindsEveryProgramOnceEndsOnALoopAndLeavesTheCurrentFolderAlone) {
    std::string root = TreeRoot();
    for (const char *f : {"\\a\\b\\deep", "\\c.exe", "\\.hidden"})
        CreateDirectoryA((root + f).c_str(), nullptr);
    for (const char *f :
         {"\\top.exe", "\\a\\one.exe", "\\a\\notes.txt", "\\a\\b\\deep\\two.EXE", "\\.hidden\\no.exe"})
        MakeFile(root + f);
    char before[MAX_PATH], after[MAX_PATH];
    GetCurrentDirectoryA(sizeof before, before);
    std::vector<std::string> paths;
    ProgramWalkCounts counts = WalkProgramTree((root + "\\").c_str(), CollectPath, &paths);
    GetCurrentDirectoryA(sizeof after, after);
    EXPECT_STREQ(before, after);
    std::sort(paths.begin(), paths.end());
    std::vector<std::string> expected = {root + "\\a\\b\\deep|two.EXE", root + "\\a|one.exe",
                                         root + "|top.exe"};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(paths, expected);
    EXPECT_EQ(counts.files, 3);
    // The top, a, a\b, a\b\deep and the folder named like a program; a\b\up is the top again.
    EXPECT_EQ(counts.directories, 5);
    EXPECT_EQ(counts.loopsSkipped, 1);
}

TEST(ProgramWalk, DepthAndPathLengthAreBounded) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string top = std::string(temp) + "qv_deep";
    std::string path = top;
    for (int level = 0; level <= kProgramWalkMaxDepth + 1; ++level) {
        CreateDirectoryA(path.c_str(), nullptr);
        path += "\\d";
    }
    std::vector<std::string> paths;
    EXPECT_EQ(WalkProgramTree(top.c_str(), CollectPath, &paths).tooDeep, 1);
    std::string tooLong(MAX_PATH, 'x');
    EXPECT_EQ(WalkProgramTree(tooLong.c_str(), CollectPath, &paths).directories, 0);
    EXPECT_TRUE(paths.empty());
}

} // namespace
