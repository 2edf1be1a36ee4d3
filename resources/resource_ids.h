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

// Quick Help texts outside the tool catalogue
#define IDH_BOOST 2950
#define IDH_ABOUT 3400

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
