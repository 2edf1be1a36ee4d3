// Veduduzi Rero: the running programs with their priority classes, which the user may change, and the
// threads of the selected one with their priorities. Each use opens another window; the state of one
// is its controls.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdint>
#include <cstdio>

#include "action/window_actions_win.h"
#include "action/window_rules.h"
#include "platform/globals_win.h"
#include "platform/toolhelp_win.h"
#include "platform/utilities_win.h"
#include "resources/resource_ids.h"

namespace {

// What reading and setting a class needs, and no more.
constexpr DWORD kPriorityAccess = PROCESS_QUERY_INFORMATION | PROCESS_SET_INFORMATION;

// The number after the tab of the list's selected line; false when nothing is selected.
bool SelectedNumber(HWND dialog, int listId, char *line, size_t size, DWORD *number) {
    HWND list = GetDlgItem(dialog, listId);
    LRESULT index = SendMessageA(list, LB_GETCURSEL, 0, 0);
    if (index == LB_ERR || SendMessageA(list, LB_GETTEXTLEN, index, 0) >= static_cast<LRESULT>(size))
        return false;
    SendMessageA(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(line));
    uint64_t value = 0;
    if (!ItemLineNumber(line, &value))
        return false;
    *number = static_cast<DWORD>(value);
    return true;
}

void AddLine(HWND dialog, int listId, const char *name, DWORD number) {
    char line[300];
    FormatItemLine(name, number, line, sizeof line);
    SendDlgItemMessageA(dialog, listId, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line));
}

// Selects the radio button of the process's class; a process that cannot be opened, or a class no
// button shows, leaves them as they are.
void ShowPriorityClass(HWND dialog, DWORD processId) {
    HANDLE process = OpenProcess(kPriorityAccess, FALSE, processId);
    if (!process)
        return;
    int button = ButtonOfPriorityClass(GetPriorityClass(process));
    CloseHandle(process);
    if (button)
        CheckRadioButton(dialog, IDC_PRIORITY_IDLE, IDC_PRIORITY_MAXIMUM, button);
}

void VeduduziRero_OnThreadSelected(HWND dialog) {
    char line[300];
    DWORD threadId = 0;
    if (!SelectedNumber(dialog, IDC_THREAD_LIST, line, sizeof line, &threadId))
        return;
    int icon = -1;
    if (ToolHelpAvailable(kNeedThreads))
        WalkThreads([&](const THREADENTRY32 &thread) {
            if (thread.th32ThreadID != threadId)
                return true;
            icon = ThreadPriorityIcon(thread.tpBasePri, thread.tpDeltaPri);
            return false;
        });
    if (icon < 0)
        return;
    HICON picture = LoadIconA(g_app.instance, MAKEINTRESOURCEA(icon));
    SendDlgItemMessageA(dialog, IDC_THREAD_ICON, STM_SETICON, reinterpret_cast<WPARAM>(picture), 0);
}

void VeduduziRero_OnProcessSelected(HWND dialog) {
    char line[300];
    DWORD processId = 0;
    if (!SelectedNumber(dialog, IDC_PROCESS_LIST, line, sizeof line, &processId))
        return;
    ShowPriorityClass(dialog, processId);
    SendDlgItemMessageA(dialog, IDC_THREAD_LIST, LB_RESETCONTENT, 0, 0);
    if (ToolHelpAvailable(kNeedThreads))
        WalkThreads([&](const THREADENTRY32 &thread) {
            if (thread.th32OwnerProcessID != processId)
                return true;
            char caption[256] = "";
            ThreadWindowCaption(thread.th32ThreadID, caption);
            if (caption[0]) {
                AddLine(dialog, IDC_THREAD_LIST, caption, thread.th32ThreadID);
            } else {
                char id[16];
                snprintf(id, sizeof id, "%lu", static_cast<unsigned long>(thread.th32ThreadID));
                AddLine(dialog, IDC_THREAD_LIST, id, thread.th32ThreadID);
            }
            return true;
        });
    SendDlgItemMessageA(dialog, IDC_THREAD_LIST, LB_SETCURSEL, 0, 0);
    VeduduziRero_OnThreadSelected(dialog);
}

// Sets the class the pressed button stands for, after its questions; the buttons then show the class
// the process really has, so a refused question or a failed change leaves no false mark.
void VeduduziRero_OnClassButton(HWND dialog, int button) {
    char line[300];
    DWORD processId = 0;
    const PriorityChoice *choice = PriorityChoiceOfButton(button);
    if (choice && SelectedNumber(dialog, IDC_PROCESS_LIST, line, sizeof line, &processId)) {
        bool go = !NeedsKernelWarning(line) || ShowMessage(dialog, kKernelQuestion, kKernelCaption,
                                                           MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
        HANDLE process = go ? OpenProcess(kPriorityAccess, FALSE, processId) : nullptr;
        if (process) {
            if (!choice->question || ShowMessage(dialog, choice->question, choice->caption,
                                                 MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK)
                SetPriorityClass(process, choice->cls);
            CloseHandle(process);
        }
        ShowPriorityClass(dialog, processId);
    }
    VeduduziRero_OnThreadSelected(dialog);
}

void VeduduziRero_OnInit(HWND dialog) {
    SendDlgItemMessageA(dialog, IDC_PROCESS_LIST, LB_RESETCONTENT, 0, 0);
    INT tabStop = 5000;
    SendDlgItemMessageA(dialog, IDC_PROCESS_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    SendDlgItemMessageA(dialog, IDC_THREAD_LIST, LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&tabStop));
    if (ToolHelpAvailable(kNeedProcesses))
        WalkProcesses(TH32CS_SNAPPROCESS, [&](const PROCESSENTRY32 &entry) {
            ProcessCaption caption;
            FindProcessCaption(entry.th32ProcessID, &caption);
            MODULEENTRY32 module = {};
            const char *moduleName = FindMainModule(entry.th32ProcessID, &module) ? module.szModule : nullptr;
            char name[256];
            ProcessDisplayName(caption.caption, moduleName, name, sizeof name);
            AddLine(dialog, IDC_PROCESS_LIST, name, entry.th32ProcessID);
            return true;
        });
    SendDlgItemMessageA(dialog, IDC_PROCESS_LIST, LB_SETCURSEL, 0, 0);
    VeduduziRero_OnProcessSelected(dialog);
    CenterWindowOver(dialog, g_app.mainScreen);
}

void VeduduziRero_OnCommand(HWND dialog, int id, int code) {
    switch (id) {
        case IDOK:
        case IDCANCEL:
            DestroyWindow(dialog);
            break;
        case IDC_PROCESS_LIST:
            if (code == LBN_SELCHANGE || code == LBN_DBLCLK)
                VeduduziRero_OnProcessSelected(dialog);
            break;
        case IDC_THREAD_LIST:
            if (code == LBN_SELCHANGE || code == LBN_DBLCLK)
                VeduduziRero_OnThreadSelected(dialog);
            break;
        case IDC_PRIORITY_IDLE:
        case IDC_PRIORITY_NORMAL:
        case IDC_PRIORITY_HIGH:
        case IDC_PRIORITY_MAXIMUM:
            if (code == BN_CLICKED)
                VeduduziRero_OnClassButton(dialog, id);
            break;
        default:
            break;
    }
}

INT_PTR CALLBACK VeduduziReroProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
        case WM_INITDIALOG:
            VeduduziRero_OnInit(dialog);
            return TRUE;
        case WM_COMMAND:
            VeduduziRero_OnCommand(dialog, LOWORD(wParam), HIWORD(wParam));
            return TRUE;
        default:
            return FALSE;
    }
}

} // namespace

HWND OpenVeduduziRero(HWND) {
    if (g_app.headless)
        return nullptr; // a headless run shows no windows
    return CreateDialogParamA(g_app.instance, MAKEINTRESOURCEA(IDD_VEDUDUZI_RERO), g_app.main,
                              VeduduziReroProc, 0);
}

void RunVeduduziRero(HWND mainScreen) {
    OpenVeduduziRero(mainScreen);
}
