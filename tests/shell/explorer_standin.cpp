// Stands in for explorer.exe beside the shell tests: Windows looks for a program in the
// folder of the one that starts it before its own folders. It writes what it was started
// with to the file named by TESSALINE_LAUNCH_RECORD: the command line, then how it was
// asked to show its window.
#include <windows.h>

#include <cstdio>
#include <vector>

int main() {
    wchar_t recordPath[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"TESSALINE_LAUNCH_RECORD", recordPath, MAX_PATH) == 0)
        return 1;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    GetStartupInfoW(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    // Written to a temporary name and renamed, so the test never reads half a record.
    wchar_t partPath[MAX_PATH + 8] = {};
    swprintf(partPath, MAX_PATH + 8, L"%ls.part", recordPath);
    FILE *record = _wfopen(partPath, L"wb");
    if (!record)
        return 1;
    const wchar_t *commandLine = GetCommandLineW();
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, nullptr, 0, nullptr, nullptr);
    if (bytes > 1) {
        std::vector<char> text(bytes);
        WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, text.data(), bytes, nullptr, nullptr);
        std::fprintf(record, "%s\n%d\n", text.data(), show);
    }
    std::fclose(record);
    return MoveFileExW(partPath, recordPath, MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
