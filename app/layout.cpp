#include "app/layout.h"

MainLayout ComputeMainLayout(int clientWidth, int clientHeight, int toolbarHeight) {
    // The bottom toolbar has the top toolbar's height and sits below the screens.
    int w = clientWidth - 30;
    int top = toolbarHeight + 30;
    int height = clientHeight - top - toolbarHeight;
    int mainWidth = static_cast<int>(w * 0.66667);
    int helpWidth = static_cast<int>(w * 0.33333);
    int helpX = 10 + mainWidth + 10;
    MainLayout layout;
    layout.mainScreen = {10, top, mainWidth, height};
    layout.mainTitle = {10, top - 28, mainWidth, 25};
    layout.helpScreen = {helpX, top, helpWidth, height};
    layout.helpTitle = {helpX, top - 28, helpWidth, 25};
    return layout;
}
