// The Info library's reading lists. Titles are of their time: the magazines, books, programs and
// Usenet newsgroups a Windows 95 user could find in 1996.
#include "library/reading_lists.h"

#include "report/report_lines.h"

namespace {

struct Section {
    const char *const *entries;
    int count;
};

#define QV_SECTION(a)                                                                                        \
    { a, static_cast<int>(sizeof(a) / sizeof((a)[0])) }

// ---- Data Protection ----
const char *const kProtectMagazines[] = {"Virus Bulletin",
                                         "Secure Computing",
                                         "Computers & Security",
                                         "Computer Fraud & Security Bulletin",
                                         "Network Security",
                                         "Infosecurity News",
                                         "Computer Security Journal",
                                         "Disaster Recovery Journal",
                                         "Cryptologia"};
const char *const kProtectBooks[] = {
    "Applied Cryptography (Bruce Schneier)",
    "Computer Security Basics (Deborah Russell, G. T. Gangemi)",
    "Firewalls and Internet Security (William Cheswick, Steven Bellovin)",
    "Building Internet Firewalls (D. Brent Chapman, Elizabeth Zwicky)",
    "Practical UNIX & Internet Security (Simson Garfinkel, Gene Spafford)",
    "PGP: Pretty Good Privacy (Simson Garfinkel)",
    "Network Security: Private Communication in a Public World (Kaufman, Perlman, Speciner)",
    "Security in Computing (Charles Pfleeger)",
    "A Short Course on Computer Viruses (Fred Cohen)",
    "Robert Slade's Guide to Computer Viruses (Robert Slade)",
    "Computer Viruses and Anti-Virus Warfare (Jan Hruska)",
    "Rogue Programs: Viruses, Worms, and Trojan Horses (Lance Hoffman)",
    "Disaster Recovery Planning (Jon William Toigo)",
    "The Cuckoo's Egg (Clifford Stoll)"};
const char *const kProtectSoftware[] = {"Norton AntiVirus",
                                        "McAfee VirusScan",
                                        "Dr Solomon's Anti-Virus Toolkit",
                                        "IBM AntiVirus",
                                        "F-PROT Professional",
                                        "Seagate Backup Exec",
                                        "Colorado Backup for Windows 95",
                                        "PGP for Personal Privacy"};
const char *const kProtectOther[] = {"comp.virus", "comp.security.misc"};

// ---- PC Performance ----
const char *const kSpeedMagazines[] = {"PC Magazine",      "PC World",         "Byte",
                                       "Windows Magazine", "Computer Shopper", "PC Computing",
                                       "Windows Sources",  "InfoWorld",        "PC Week"};
const char *const kSpeedBooks[] = {
    "Upgrading and Repairing PCs (Scott Mueller)",
    "The Winn L. Rosch Hardware Bible (Winn L. Rosch)",
    "Peter Norton's Inside the PC (Peter Norton)",
    "The Indispensable PC Hardware Book (Hans-Peter Messmer)",
    "Memory Management for All of Us (John Goodman)",
    "Windows 95 Secrets (Brian Livingston, Davis Straub)",
    "Computer Architecture: A Quantitative Approach (John Hennessy, David Patterson)",
    "The Art of Computer Systems Performance Analysis (Raj Jain)"};
const char *const kSpeedSoftware[] = {
    "Ziff-Davis WinBench", "Ziff-Davis Winstone",        "Norton Utilities for Windows 95",
    "Touchstone CheckIt",  "Landmark System Speed Test", "Quarterdeck QEMM",
    "Quarterdeck MagnaRAM"};
const char *const kSpeedOther[] = {"comp.sys.ibm.pc.hardware.systems", "comp.benchmarks"};

// ---- Programming ----
const char *const kCodeMagazines[] = {"Dr. Dobb's Journal",
                                      "Microsoft Systems Journal",
                                      "Windows/DOS Developer's Journal",
                                      "C/C++ Users Journal",
                                      "C++ Report",
                                      "Visual Basic Programmer's Journal",
                                      "Windows Tech Journal",
                                      "PC Techniques",
                                      "Software Development",
                                      "Delphi Informant",
                                      "Java Report",
                                      "Communications of the ACM"};
const char *const kCodeBooks[] = {"Programming Windows 95 (Charles Petzold)",
                                  "Advanced Windows (Jeffrey Richter)",
                                  "Windows 95 System Programming Secrets (Matt Pietrek)",
                                  "Windows Internals (Matt Pietrek)",
                                  "Unauthorized Windows 95 (Andrew Schulman)",
                                  "Undocumented Windows (Andrew Schulman, David Maxey, Matt Pietrek)",
                                  "Undocumented DOS (Andrew Schulman and others)",
                                  "Programmer's Guide to Microsoft Windows 95 (Microsoft)",
                                  "The Windows Interface Guidelines for Software Design (Microsoft)",
                                  "Inside OLE (Kraig Brockschmidt)",
                                  "Inside Visual C++ (David Kruglinski)",
                                  "MFC Internals (George Shepherd, Scot Wingo)",
                                  "The C Programming Language (Brian Kernighan, Dennis Ritchie)",
                                  "The C++ Programming Language (Bjarne Stroustrup)",
                                  "Effective C++ (Scott Meyers)",
                                  "Design Patterns (Gamma, Helm, Johnson, Vlissides)",
                                  "Code Complete (Steve McConnell)",
                                  "Writing Solid Code (Steve Maguire)",
                                  "The Mythical Man-Month (Frederick Brooks)",
                                  "The Art of Computer Programming (Donald Knuth)",
                                  "Algorithms in C (Robert Sedgewick)",
                                  "Java in a Nutshell (David Flanagan)"};
const char *const kCodeSoftware[] = {"Microsoft Visual C++",
                                     "Borland C++",
                                     "Watcom C/C++",
                                     "Symantec C++",
                                     "Borland Delphi",
                                     "Microsoft Visual Basic",
                                     "Powersoft PowerBuilder",
                                     "Gupta SQLWindows",
                                     "Microsoft Visual J++",
                                     "Symantec Cafe",
                                     "Microsoft Macro Assembler",
                                     "Borland Turbo Assembler",
                                     "Microsoft Win32 SDK",
                                     "Microsoft Developer Network Library",
                                     "NuMega BoundsChecker",
                                     "NuMega SoftICE",
                                     "Microsoft Visual SourceSafe",
                                     "Intersolv PVCS Version Manager",
                                     "InstallShield",
                                     "CodeWright",
                                     "MKS Toolkit"};
const char *const kCodeOther[] = {"comp.lang.c",
                                  "comp.lang.c++",
                                  "comp.std.c++",
                                  "comp.lang.asm.x86",
                                  "comp.lang.pascal.delphi.misc",
                                  "comp.lang.basic.visual.misc",
                                  "comp.lang.java",
                                  "comp.lang.perl.misc",
                                  "comp.os.ms-windows.programmer.win32",
                                  "comp.os.ms-windows.programmer.misc",
                                  "comp.os.ms-windows.programmer.tools.mfc",
                                  "comp.os.ms-windows.programmer.graphics",
                                  "comp.os.ms-windows.programmer.networks",
                                  "comp.os.ms-windows.programmer.ole",
                                  "comp.os.ms-windows.programmer.drivers",
                                  "comp.os.ms-windows.programmer.memory",
                                  "comp.os.msdos.programmer",
                                  "comp.programming",
                                  "comp.software-eng",
                                  "comp.compilers",
                                  "comp.databases"};

// ---- Troubleshooting ----
const char *const kFixMagazines[] = {
    "PC Magazine", "PC World", "PC Computing", "Windows Magazine", "Windows Sources",  "Computer Shopper",
    "Home PC",     "FamilyPC", "PC Novice",    "PC Today",         "Computer Currents"};
const char *const kFixBooks[] = {"The Complete PC Upgrade & Maintenance Guide (Mark Minasi)",
                                 "Troubleshooting Your PC (Jim Aspinwall, Mike Todd, Rory Burke)",
                                 "Bigelow's Troubleshooting, Maintaining & Repairing PCs (Stephen Bigelow)",
                                 "Fix Your Own PC (Corey Sandler)",
                                 "Upgrading and Repairing PCs (Scott Mueller)",
                                 "The Winn L. Rosch Hardware Bible (Winn L. Rosch)",
                                 "The Hard Drive Bible (Martin Bodo)",
                                 "The PC Configuration Handbook (John Woram)",
                                 "Peter Norton's Inside the PC (Peter Norton)",
                                 "Microsoft Windows 95 Resource Kit (Microsoft)",
                                 "Windows 95 Secrets (Brian Livingston, Davis Straub)",
                                 "PCs For Dummies (Dan Gookin)"};
const char *const kFixSoftware[] = {"CyberMedia First Aid 95", "Norton Utilities for Windows 95",
                                    "DiagSoft QAPlus/WIN", "AMIDiag"};
const char *const kFixOther[] = {"comp.os.ms-windows.win95.misc", "comp.os.ms-windows.win95.setup",
                                 "comp.sys.ibm.pc.hardware.misc", "comp.sys.ibm.pc.hardware.storage"};

// ---- Upgrading ----
const char *const kUpMagazines[] = {"Computer Shopper",
                                    "PC Magazine",
                                    "PC World",
                                    "Byte",
                                    "PC Computing",
                                    "Windows Magazine",
                                    "Windows Sources",
                                    "PC Week",
                                    "InfoWorld",
                                    "Computer Buyer's Guide and Handbook",
                                    "boot",
                                    "Computer Gaming World",
                                    "Boardwatch"};
const char *const kUpBooks[] = {"Upgrading and Repairing PCs (Scott Mueller)",
                                "The Winn L. Rosch Hardware Bible (Winn L. Rosch)",
                                "The Complete PC Upgrade & Maintenance Guide (Mark Minasi)",
                                "Upgrading PCs For Dummies (Andy Rathbone)",
                                "Upgrade or Repair Your PC and Save a Bundle (Aubrey Pilgrim)",
                                "Build Your Own Pentium Processor PC and Save a Bundle (Aubrey Pilgrim)",
                                "Build Your Own 486/486SX and Save a Bundle (Aubrey Pilgrim)",
                                "The Indispensable PC Hardware Book (Hans-Peter Messmer)",
                                "The Undocumented PC (Frank van Gilluwe)",
                                "The Programmer's PC Sourcebook (Thom Hogan)",
                                "The Hard Drive Bible (Martin Bodo)",
                                "The Book of SCSI (Peter M. Ridge)",
                                "The Modem Reference (Michael Banks)",
                                "The Complete Modem Reference (Gilbert Held)",
                                "The Winn L. Rosch Multimedia Bible (Winn L. Rosch)",
                                "Peter Norton's Inside the PC (Peter Norton)",
                                "The PC Configuration Handbook (John Woram)",
                                "Memory Management for All of Us (John Goodman)",
                                "Bigelow's Troubleshooting, Maintaining & Repairing PCs (Stephen Bigelow)",
                                "Fix Your Own PC (Corey Sandler)",
                                "ISA System Architecture (Tom Shanley, Don Anderson)",
                                "EISA System Architecture (Tom Shanley, Don Anderson)",
                                "PCI System Architecture (Tom Shanley, Don Anderson)",
                                "80486 System Architecture (Tom Shanley)",
                                "Pentium Processor System Architecture (Don Anderson, Tom Shanley)",
                                "Plug and Play System Architecture (Tom Shanley)",
                                "PCMCIA System Architecture (Don Anderson)",
                                "Inside Windows 95 (Adrian King)",
                                "Microsoft Windows 95 Resource Kit (Microsoft)"};
const char *const kUpSoftware[] = {"Micro House Technical Library", "Ontrack Disk Manager",
                                   "PowerQuest PartitionMagic", "Touchstone CheckIt",
                                   "Quarterdeck CleanSweep 95"};
const char *const kUpOther[] = {"comp.sys.ibm.pc.hardware.chips",
                                "comp.sys.ibm.pc.hardware.cd-rom",
                                "comp.sys.ibm.pc.hardware.comm",
                                "comp.sys.ibm.pc.hardware.misc",
                                "comp.sys.ibm.pc.hardware.networking",
                                "comp.sys.ibm.pc.hardware.storage",
                                "comp.sys.ibm.pc.hardware.systems",
                                "comp.sys.ibm.pc.hardware.video",
                                "comp.sys.ibm.pc.soundcard.misc",
                                "comp.sys.intel",
                                "comp.sys.laptops",
                                "comp.dcom.modems",
                                "comp.periphs.scsi",
                                "comp.periphs.printers"};

// ---- Windows 95 ----
const char *const kWinMagazines[] = {"Windows Magazine",
                                     "Windows Sources",
                                     "Windows User",
                                     "Windows Watcher",
                                     "Inside Microsoft Windows 95",
                                     "Microsoft Systems Journal",
                                     "PC Magazine",
                                     "PC World",
                                     "PC Computing",
                                     "Computer Shopper"};
const char *const kWinBooks[] = {
    "Windows 95 Secrets (Brian Livingston, Davis Straub)", "Microsoft Windows 95 Resource Kit (Microsoft)",
    "Inside Windows 95 (Adrian King)", "Unauthorized Windows 95 (Andrew Schulman)",
    "Windows 95 For Dummies (Andy Rathbone)"};
const char *const kWinSoftware[] = {"Microsoft Plus! for Windows 95"};
const char *const kWinOther[] = {"comp.os.ms-windows.win95.misc",      "comp.os.ms-windows.win95.setup",
                                 "comp.os.ms-windows.win95.moderated", "comp.os.ms-windows.networking.win95",
                                 "comp.os.ms-windows.apps.misc",       "comp.os.ms-windows.announce",
                                 "microsoft.public.win95.general"};

const Section kLists[kReadingListCount][kReadingSectionCount] = {
    {QV_SECTION(kProtectMagazines), QV_SECTION(kProtectBooks), QV_SECTION(kProtectSoftware),
     QV_SECTION(kProtectOther)},
    {QV_SECTION(kSpeedMagazines), QV_SECTION(kSpeedBooks), QV_SECTION(kSpeedSoftware),
     QV_SECTION(kSpeedOther)},
    {QV_SECTION(kCodeMagazines), QV_SECTION(kCodeBooks), QV_SECTION(kCodeSoftware), QV_SECTION(kCodeOther)},
    {QV_SECTION(kFixMagazines), QV_SECTION(kFixBooks), QV_SECTION(kFixSoftware), QV_SECTION(kFixOther)},
    {QV_SECTION(kUpMagazines), QV_SECTION(kUpBooks), QV_SECTION(kUpSoftware), QV_SECTION(kUpOther)},
    {QV_SECTION(kWinMagazines), QV_SECTION(kWinBooks), QV_SECTION(kWinSoftware), QV_SECTION(kWinOther)}};

#undef QV_SECTION

} // namespace

const char *const kReadingSectionHeading[kReadingSectionCount] = {"Magazines and Newsletters", "Books",
                                                                  "Software", "Other Sources"};

int ReadingSectionSize(int list, int section) {
    if (list < 0 || list >= kReadingListCount || section < 0 || section >= kReadingSectionCount)
        return 0;
    return kLists[list][section].count;
}

int WriteReadingList(ReportBuffer &report, int list) {
    report.count = 0;
    if (list < 0 || list >= kReadingListCount)
        return 0;
    for (int s = 0; s < kReadingSectionCount; ++s) {
        if (s) {
            BlankReportLine(report, report.count);
            ++report.count;
        }
        AddReportLine(report, "%c%s", kHeadingMark, kReadingSectionHeading[s]);
        const Section &section = kLists[list][s];
        for (int e = 0; e < section.count; ++e)
            AddReportLine(report, "%c%s", kBlue, section.entries[e]);
    }
    return report.count;
}
