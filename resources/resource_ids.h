// Resource and command ids of Quorvex, grouped by range. Included by C++ and by the .rc scripts,
// so it holds nothing but #defines.
#pragma once

// Icons, menus
#define IDI_APP 1000
#define IDM_MAIN 1901

// Controls of the main window
#define IDC_MAIN_SCREEN 1100
#define IDC_TOP_TOOLBAR 2000

// Commands outside the tool families
#define CMD_CLOSE 1
#define CMD_EXIT 2
#define CMD_PRINT 1902
#define CMD_PRINT_SCREEN 2022
#define CMD_HELP 2023
#define CMD_MONITORS_ON_TOP 3305
#define CMD_INCLUDE_SELF 3306
#define CMD_ABOUT 3402

// Top toolbar: one button per family, then print and help
#define CMD_TOP_ACTION 2021
#define CMD_TOP_COACH 2013
#define CMD_TOP_EXPLORE 2015
#define CMD_TOP_CHECK 2010
#define CMD_TOP_BOOST 2011
#define CMD_TOP_MONITOR 2012
#define CMD_TOP_DIAGNOSE 2014
#define CMD_TOP_BOTTLE 2016
#define CMD_TOP_PROGRAMS 2019
#define CMD_TOP_UPGRADE 2017
#define CMD_TOP_INSTALL 2018
#define CMD_TOP_INFO 2020

// Toolbar pictures: 1500 top toolbar, 1501-1512 family strips
#define IDB_TOP_TOOLBAR 1500
#define IDB_DIAGNOSE 1501
#define IDB_ACTION 1502
#define IDB_COACH 1503
#define IDB_EXPLORE 1504
#define IDB_CHECK 1505
#define IDB_BOOST 1506
#define IDB_INSTALL 1507
#define IDB_UPGRADE 1508
#define IDB_PROGRAMS 1509
#define IDB_MONITOR 1510
#define IDB_BOTTLE 1511
#define IDB_INFO 1512

// Keyboard test (dialog 12300): key caps 12301..12401, one per key; see diagnose/keyboard_test.h
#define IDD_KEYBOARD_TEST 12300

// Sound test (dialog 12500)
#define IDD_SOUND_TEST 12500
#define IDC_SOUND_RIGHT 12501
#define IDC_SOUND_LEFT 12502
#define IDC_SOUND_STEREO 12503

// Joystick test (dialog 12600)
#define IDD_JOYSTICK_TEST 12600
#define IDC_JOYSTICK_RANGE 12601
#define IDC_JOYSTICK_TRACKING 12602
#define IDC_JOYSTICK_TEXT 12603
#define IDC_JOYSTICK_SKIPPING 12604
#define IDC_JOYSTICK_RELEASE 12605
#define IDC_JOYSTICK_PRESS 12606

// Video test control dialog (dialog 12800): the patterns 12802..12806
#define IDD_VIDEO_TEST 12800
#define IDC_VIDEO_TEXT 12801
#define IDC_VIDEO_HORIZONTAL 12802
#define IDC_VIDEO_VERTICAL 12803
#define IDC_VIDEO_DISTORTION 12804
#define IDC_VIDEO_COLOUR_DISTORTION 12805
#define IDC_VIDEO_CALIBRATION 12806
#define IDC_VIDEO_START 12807

// Help window (dialog 12700) and its tour bar (dialog 12702)
#define IDD_HELP 12700
#define IDC_HELP_TOPICS 12701
#define IDD_HELP_BAR 12702
#define IDC_HELP_BAR_ICON 12703
#define IDC_HELP_BAR_TEXT 12704
#define IDC_HELP_BAR_NEXT 12705
// Tour bar pointers: towards an item on the left, towards an item on the right
#define IDI_POINT_LEFT 1860
#define IDI_POINT_RIGHT 1861

// Info reference tables (RCDATA in report line format)
#define IDR_BIOS_BEEPS 3290
#define IDR_FILE_EXTENSIONS 3291
#define IDR_SYSTEM_ERRORS 3292
#define IDR_WINDOWS_FILES 3293
#define IDR_WINDOWS_SHORTCUTS 3294

// Quick Help texts outside the tool catalogue
#define IDH_BOOST 2950
#define IDH_ABOUT 3400
#define IDH_USING_HELP 3403

// Veduduzi Rero (dialog 12000): process priority classes and thread priorities
#define IDD_VEDUDUZI_RERO 12000
#define IDC_PRIORITY_IDLE 12001
#define IDC_PRIORITY_NORMAL 12002
#define IDC_PRIORITY_HIGH 12003
#define IDC_PRIORITY_MAXIMUM 12004
#define IDC_THREAD_LIST 12005
#define IDC_PROCESS_LIST 12008
#define IDC_THREAD_ICON 12009
// Thread priority icons 1700-1732: the first 33 usage gauges, one per level
#define IDI_THREAD_PRIORITY 1700

// Riduzu Zire (dialog 12200): the windows of every program
#define IDD_RIDUZU_ZIRE 12200
#define IDC_WINDOW_LIST 12201
#define IDC_WINDOW_CAPTION 12202
#define IDC_VISIBLE_SHOW 12205
#define IDC_VISIBLE_HIDE 12206
#define IDC_SIZE_ICON 12210
#define IDC_SIZE_WINDOW 12211
#define IDC_ACTIVE 12215
#define IDC_INACTIVE 12216
#define IDC_ENABLED 12220
#define IDC_DISABLED 12221
#define IDC_ON_TOP 12225
#define IDC_OFF_TOP 12226
#define IDC_POPUPS_SHOW 12230
#define IDC_POPUPS_HIDE 12231

// Coach score window (dialog 10800): a bar of ten icons between two end labels
#define IDD_COACH_SCORE 10800
#define IDC_SCORE_ICON_FIRST 10801 // 10801..10810, left to right
#define IDC_SCORE_RIGHT 10812
#define IDC_SCORE_LEFT 10813
// An empty place of the bar; the Coach tools' own icons are 1820..1832 in table order
#define IDI_SCORE_EMPTY 1801
#define IDI_COACH_FIRST 1820
// Upgrade window (dialog 10900): score icons 1611-1619 show 1 to 9, 1620 'NA'; comparison tables
// 2580-2599 are RCDATA texts in report line format
#define IDD_UPGRADE 10900
#define IDC_UPGRADE_CURRENT 10901
#define IDC_UPGRADE_USAGE 10902
#define IDC_UPGRADE_POTENTIAL 10903
#define IDC_UPGRADE_NEED 10904
#define IDC_UPGRADE_CANDIDATES 10905
#define IDI_UPGRADE_SCORE 1610
#define IDI_UPGRADE_NA 1620

// Version resource, manifest
#define IDR_MANIFEST 1

// Bottlenecks (dialog 10000): one progress bar per load band, 10001-10010
#define IDD_BOTTLENECKS 10000
#define IDC_BAND_FIRST 10001

// Wait Time (dialog 12900): a bar and a time per component, then the totals
#define IDD_WAIT_TIME 12900
#define IDC_WAIT_BAR_VIDEO_CARD 12901
#define IDC_WAIT_BAR_VIDEO_MONITOR 12902
#define IDC_WAIT_BAR_PRINTER 12903
#define IDC_WAIT_BAR_MODEM 12904
#define IDC_WAIT_BAR_MEMORY 12906
#define IDC_WAIT_BAR_DISK 12908
#define IDC_WAIT_BAR_CPU 12909
#define IDC_WAIT_VIDEO_MONITOR 12910
#define IDC_WAIT_VIDEO_CARD 12911
#define IDC_WAIT_PRINTER 12912
#define IDC_WAIT_MODEM 12913
#define IDC_WAIT_MEMORY 12915
#define IDC_WAIT_DISK 12917
#define IDC_WAIT_CPU 12918
#define IDC_WAIT_TOTAL 12919
#define IDC_WAIT_PERCENT 12920
#define IDC_USE_TOTAL 12921

// Overall Bottlenecks (dialog 13000): a bar per component
#define IDD_OVERALL 13000
#define IDC_OVERALL_VIDEO_CARD 13001
#define IDC_OVERALL_VIDEO_MONITOR 13002
#define IDC_OVERALL_PRINTER 13003
#define IDC_OVERALL_MODEM 13004
#define IDC_OVERALL_MEMORY 13006
#define IDC_OVERALL_DISK 13008
#define IDC_OVERALL_CPU 13009
