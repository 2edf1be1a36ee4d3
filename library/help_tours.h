// The Help screens' tours: the topics, the explanation of every step, where the tour bar stands for
// each step, and how the bar lays out its controls. No window types here.
#pragma once

enum HelpTopic {
    kTopicScreenOverview,
    kTopicMainScreen,
    kTopicMenus,
    kTopicQuickHelp,
    kTopicToolbars,
    kHelpTopicCount
};

// The names of the topics, in the order the Help window lists them.
extern const char *const kHelpTopicName[kHelpTopicCount];

// Buttons of the top toolbar that the Toolbars tour visits: the twelve families and Print.
constexpr int kTourToolbarButtons = 13;

struct TourRect {
    int left, top, right, bottom;
};

// Where the parts of the suite stand on the screen when a step is shown.
struct TourFrame {
    TourRect main; // the main window
    int captionHeight;
    TourRect topToolbar;
    TourRect topButton[kTourToolbarButtons];
    TourRect bottomToolbar;
    TourRect mainScreen;
    TourRect helpScreen;
    TourRect helpWindow;
    int barHeight; // the tour bar's height, so that it can stand above the bottom toolbar
};

struct TourPlace {
    int x, y;
    int buttonWidth; // the width of the toolbar button the bar points at, else 0
};

// Number of steps of a topic (0 for an unknown topic).
int TourStepCount(int topic);
// The explanation of a step: its heading, a line feed and the text; nullptr past the last step.
const char *TourStepText(int topic, int step);
// Where the bar stands for a step; false past the last step.
bool TourStepPlace(int topic, int step, const TourFrame &frame, TourPlace *place);

// The tour bar's controls, in the order they are listed.
enum HelpBarControl { kBarIcon, kBarList, kBarDone, kBarNext, kBarControlCount };

struct HelpBarLayout {
    int width;                  // of the whole bar
    int x;                      // where its left edge goes
    bool flipped;               // laid out from the right, pointing at an item on its right
    int left[kBarControlCount]; // left edge of each control inside the bar
};

// Lays the bar out for the point (x, ...): width = the controls' widths + 2 x frame + 2. When the bar
// fits between x and the main window's right edge, the controls run icon, list, Done, Next from the
// left; otherwise x moves left by the bar's width and the button width, and they run Next, Done,
// list, icon.
HelpBarLayout LayOutHelpBar(int x, int mainRight, const int width[kBarControlCount], int frameWidth,
                            int buttonWidth);
