// Placement of the main window's children, from the client size and the toolbar height.
#pragma once

struct ChildRect {
    int x, y, width, height;
};

struct MainLayout {
    ChildRect mainScreen;
    ChildRect mainTitle;
    ChildRect helpScreen;
    ChildRect helpTitle;
};

MainLayout ComputeMainLayout(int clientWidth, int clientHeight, int toolbarHeight);
