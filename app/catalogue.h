// The tool catalogue: every tool of the suite with its command id, name, menu text and Quick Help id,
// grouped in families. Plain data, shared by the menu, both toolbars, the dispatch and the headless mode.
#pragma once

struct ToolInfo {
    int id;
    const char *name;     // shown in both screen titles and as the bottom-toolbar tooltip
    const char *menuText; // the item's text in menu 1901
    int helpId;           // RCDATA id of the tool's Quick Help text
};

// Families in top-toolbar order.
enum Family {
    kFamilyAction,
    kFamilyCoach,
    kFamilyExplore,
    kFamilyCheck,
    kFamilyBoost,
    kFamilyMonitor,
    kFamilyDiagnose,
    kFamilyBottle,
    kFamilyPrograms,
    kFamilyUpgrade,
    kFamilyInstall,
    kFamilyInfo,
    kFamilyCount
};

struct FamilyInfo {
    Family family;
    const char *name;      // "Explore", "Check", ...
    int base;              // the tool for command id C is entry C - base - 1
    const ToolInfo *tools; // in command-id order
    int toolCount;
    const int *buttons; // bottom-toolbar buttons; button k shows image k of the strip
    int buttonCount;
    int bitmapId;           // the bottom-toolbar strip: one 16 x 16 image per tool
    int topButtonId;        // the family's top-toolbar button
    const char *topTooltip; // its tooltip
};

constexpr int kToolCount = 148;
constexpr int kTopButtonCount = 14;

const FamilyInfo &FamilyAt(int family);
// The family whose tool range holds the command id, or null.
const FamilyInfo *FamilyOfTool(int commandId);
// The family whose top-toolbar button has this id, or null.
const FamilyInfo *FamilyOfTopButton(int buttonId);
// The catalogue entry of a command id (entry id - base - 1 of its family), or null.
const ToolInfo *ToolOfCommand(int commandId);
// Top-toolbar button ids in order (14).
const int *TopButtonIds();
// Tooltip text for a toolbar button id: the top toolbar's texts, or the tool name of the catalogue.
// Null when the id belongs to no toolbar.
const char *ToolTipText(int buttonId);
// Every tool in ascending command-id order; index 0 .. kToolCount - 1.
const ToolInfo &ToolByIndex(int index);
