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

// Version resource, manifest
#define IDR_MANIFEST 1
