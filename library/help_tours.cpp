// The tours of the Help screens: what each step says and where the bar stands while it says it.
#include "library/help_tours.h"

namespace {

const char *const kOverviewSteps[] = {
    "MAIN MENU\nThe menu bar holds every tool of Quorvex, family by family, along with File (printing "
    "and Exit), the Action settings and Help. Choosing a tool from the menu does the same as pressing its "
    "button.",
    "TOP TOOLBAR\nOne button for each family of tools: Action, Coach, Explore, Check, Boost, Monitor, "
    "Diagnose, Bottle, Programs, Upgrade, Install and Info, then Print and Help. Pressing a family's "
    "button shows its tools on the bottom toolbar.",
    "MAIN SCREEN\nThe results of the tool you ran: reports, test results and graphs. Click a line to "
    "read its explanation in the Quick Help Screen.",
    "QUICK HELP SCREEN\nExplains the tool you ran and every line it wrote: what it means, what it is "
    "good for and what to watch out for.",
    "BOTTOM TOOLBAR\nOne button for each tool of the family chosen on the top toolbar. Rest the mouse on "
    "a button to see its name; press it to run the tool.",
    "POPUPS\nSome tools open windows of their own, such as monitors, Veduduzi Rero and Riduzu Zire, and "
    "this Help window. Each one closes with its close box or the Escape key; the main window goes on "
    "working beside them."};

const char *const kMainScreenSteps[] = {
    "MAIN SCREEN\nThe left side of the main window, where every tool writes its report. The title above "
    "it names the tool that ran last.",
    "CLICKING\nClick a line and the Quick Help Screen scrolls to the explanation of that line, when there "
    "is one.",
    "SCROLL BARS\nA report longer than the screen can be scrolled with the scroll bar, the arrow keys and "
    "Page Up and Page Down.",
    "TEST RESULTS\nCheck and Diagnose tools end each test with Passed in blue or Failed in red. A failed "
    "test is explained in the Quick Help Screen.",
    "INFORMATION\nHeadings stand out in bold; values follow their names in columns. Coloured words draw "
    "the eye to what matters, such as Yes and No.",
    "GRAPHS\nBars show amounts and percentages at a glance, such as how busy a part of the computer has "
    "been over time."};

const char *const kMenuSteps[] = {
    "MAIN MENU\nEvery tool of Quorvex can be run from the menu bar as well as from the toolbars.",
    "FILE\nExit closes Quorvex and saves its usage statistics. Print prints the Main Screen and the Quick "
    "Help Screen.",
    "ACTION\nInclude Quorvex lets the Action tools list and change Quorvex's own windows and priority "
    "along with those of other programs.",
    "ACTION\nKeep Monitors On Top keeps the monitor windows above every other window. It is checked when "
    "Quorvex starts.",
    "HELP\nAbout shows the name and version of Quorvex and how much it has seen of this computer."};

const char *const kQuickHelpSteps[] = {
    "QUICK HELP SCREEN\nThe right side of the main window, which explains the tool you ran last.",
    "SCROLLING\nScroll the text with its scroll bar, or click a line of the Main Screen to jump to its "
    "explanation.",
    "LAYOUT\nThe text is divided into parts headed in capitals; each part follows in the order below.",
    "OVERVIEW\nWhat the tool does and what it shows.",
    "MORE INFORMATION\nHow the tool works, where its figures come from and how to read them.",
    "DESCRIPTION\nEvery line the tool writes, by the name it has in the Main Screen, with its meaning.",
    "USES\nWhen the tool helps and what to do with its results.",
    "WARNINGS\nWhat to be careful about: results that may mislead, and actions that may harm your work."};

const char *const kToolbarSteps[] = {
    "ACTION\nTools that act on other programs: priorities, windows, tiling and cascading.",
    "COACH\nScores of your work habits, with tips on how to work better.",
    "EXPLORE\nReports of how Windows is set up and what it is doing.",
    "CHECK\nIntegrity checks of Windows' own lists, system files, folders and devices.",
    "BOOST\nTuning tips to make this computer faster.",
    "MONITOR\nLive windows that show how busy each part of the computer is, second by second.",
    "DIAGNOSE\nReports and tests of the hardware.",
    "BOTTLE\nWhich part of the computer holds the rest back, from the usage Quorvex has measured.",
    "PROGRAMS\nThe programs on the fixed disks and the software that is running.",
    "UPGRADE\nWhich parts of the computer are worth replacing, and how much they would help.",
    "INSTALL\nAdvice on installing new hardware and software.",
    "INFO\nReading lists and reference tables: beep codes, file extensions, error codes, Windows 95 files "
    "and shortcuts.",
    "PRINT\nPrints the Main Screen and the Quick Help Screen.",
    "BOTTOM TOOLBAR\nThe tools of the family chosen on the top toolbar, one button each."};

struct Topic {
    const char *const *steps;
    int count;
};

#define QV_TOPIC(a)                                                                                          \
    { a, static_cast<int>(sizeof(a) / sizeof((a)[0])) }
const Topic kTopics[kHelpTopicCount] = {QV_TOPIC(kOverviewSteps), QV_TOPIC(kMainScreenSteps),
                                        QV_TOPIC(kMenuSteps), QV_TOPIC(kQuickHelpSteps),
                                        QV_TOPIC(kToolbarSteps)};
#undef QV_TOPIC

TourPlace At(int x, int y) {
    return TourPlace{x, y, 0};
}

// The spot above the bottom toolbar, near the main window's left edge.
TourPlace AtBottom(const TourFrame &f) {
    return At(f.main.left + 50, f.bottomToolbar.top - f.barHeight);
}

TourPlace OverviewPlace(int step, const TourFrame &f) {
    switch (step) {
        case 0:
            return At(f.main.left + 50, f.main.top + f.captionHeight);
        case 1:
            return At(f.topToolbar.left + 150, f.topToolbar.bottom);
        case 2:
            return At(f.mainScreen.left + 100, f.mainScreen.top + 50);
        case 3:
            return At(f.helpScreen.left + 50, f.helpScreen.top + 50);
        case 4:
            return AtBottom(f);
        default:
            return At(f.helpWindow.left + 50, f.helpWindow.top + 50);
    }
}

// Down a screen, one line of 30 pixels per step, leaving the first line's room after the heading.
int DownScreen(const TourRect &screen, int step) {
    return step == 0 ? screen.top : screen.top + 30 * (step + 1);
}

} // namespace

const char *const kHelpTopicName[kHelpTopicCount] = {"Screen Overview", "Main Screen", "Menus", "Quick Help",
                                                     "Toolbars"};

int TourStepCount(int topic) {
    return topic >= 0 && topic < kHelpTopicCount ? kTopics[topic].count : 0;
}

const char *TourStepText(int topic, int step) {
    if (step < 0 || step >= TourStepCount(topic))
        return nullptr;
    return kTopics[topic].steps[step];
}

bool TourStepPlace(int topic, int step, const TourFrame &f, TourPlace *place) {
    if (step < 0 || step >= TourStepCount(topic))
        return false;
    switch (topic) {
        case kTopicScreenOverview:
            *place = OverviewPlace(step, f);
            break;
        case kTopicMainScreen:
            *place = At(f.mainScreen.left + 100, DownScreen(f.mainScreen, step));
            break;
        case kTopicMenus:
            *place = At(f.main.left + 50 * step, f.main.top + f.captionHeight);
            break;
        case kTopicQuickHelp:
            *place = At(f.helpScreen.left + 50, DownScreen(f.helpScreen, step));
            break;
        default:
            if (step < kTourToolbarButtons) {
                const TourRect &button = f.topButton[step];
                *place = TourPlace{button.right, button.top, button.right - button.left};
            } else {
                *place = AtBottom(f);
            }
            break;
    }
    return true;
}

HelpBarLayout LayOutHelpBar(int x, int mainRight, const int width[kBarControlCount], int frameWidth,
                            int buttonWidth) {
    HelpBarLayout layout = {};
    layout.width = 2 * frameWidth + 2;
    for (int i = 0; i < kBarControlCount; ++i)
        layout.width += width[i];
    layout.flipped = x + layout.width > mainRight;
    layout.x = layout.flipped ? x - layout.width - buttonWidth : x;
    static const HelpBarControl kLeftToRight[] = {kBarIcon, kBarList, kBarDone, kBarNext};
    static const HelpBarControl kRightToLeft[] = {kBarNext, kBarDone, kBarList, kBarIcon};
    const HelpBarControl *order = layout.flipped ? kRightToLeft : kLeftToRight;
    int left = 1;
    for (int i = 0; i < kBarControlCount; ++i) {
        layout.left[order[i]] = left;
        left += width[order[i]];
    }
    return layout;
}
