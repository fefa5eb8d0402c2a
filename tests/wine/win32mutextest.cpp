// Starts copies of itself that take the installer's mutex: a copy started
// while another holds it is a second copy, one started after it ended is not.
#include "testreport.h"
#include "platform/windows/win32mutex.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

namespace {

const wchar_t MutexName[] = L"COMM-ZYM-APPS-KPQ_DRIVER_INSTALLER";
const wchar_t HeldEvent[] = L"ZYM_TEST_MUTEX_HELD";
const wchar_t ReleaseEvent[] = L"ZYM_TEST_MUTEX_RELEASE";
constexpr DWORD Patience = 20000; // ms; the copies answer within a second

// Exit codes of the copies.
constexpr DWORD FirstCopy = 0;
constexpr DWORD SecondCopy = 1;
constexpr DWORD Inconsistent = 2;
constexpr DWORD NotReleased = 3;

// Takes the mutex twice, through two locks; the answer must not change within one process.
DWORD takeMutex()
{
    Win32Mutex lock;
    Win32Mutex another;
    const bool first = lock.acquire();
    if (another.acquire() != first)
        return Inconsistent;
    return first ? FirstCopy : SecondCopy;
}

// "hold": takes the mutex, tells the test so and keeps running until told to end.
int hold()
{
    const DWORD answer = takeMutex();
    HANDLE held = OpenEventW(EVENT_MODIFY_STATE, FALSE, HeldEvent);
    HANDLE release = OpenEventW(SYNCHRONIZE, FALSE, ReleaseEvent);
    if (!held || !release)
        return static_cast<int>(Inconsistent);
    SetEvent(held);
    if (WaitForSingleObject(release, Patience) != WAIT_OBJECT_0)
        return static_cast<int>(NotReleased);
    return static_cast<int>(answer);
}

struct Copy
{
    HANDLE process = nullptr;
    DWORD exitCode = STILL_ACTIVE;
};

Copy start(const wchar_t *mode)
{
    std::vector<wchar_t> path(MAX_PATH * 4);
    GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    std::wstring commandLine = L"\"" + std::wstring(path.data()) + L"\" " + mode;
    STARTUPINFOW startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info = {};
    Copy copy;
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
        CloseHandle(info.hThread);
        copy.process = info.hProcess;
    }
    return copy;
}

bool finish(Copy &copy)
{
    if (!copy.process || WaitForSingleObject(copy.process, Patience) != WAIT_OBJECT_0)
        return false;
    GetExitCodeProcess(copy.process, &copy.exitCode);
    CloseHandle(copy.process);
    copy.process = nullptr;
    return true;
}

int runScenario()
{
    TestReport report;
    HANDLE held = CreateEventW(nullptr, TRUE, FALSE, HeldEvent);
    HANDLE release = CreateEventW(nullptr, TRUE, FALSE, ReleaseEvent);
    report.check(held && release, "create the coordination events");

    Copy first = start(L"hold");
    report.check(first.process != nullptr, "start the first copy");
    const HANDLE waits[] = {held, first.process};
    const DWORD woken = first.process ? WaitForMultipleObjects(2, waits, FALSE, Patience) : WAIT_FAILED;
    report.check(woken == WAIT_OBJECT_0, "the first copy holds the mutex");

    Copy second = start(L"probe");
    report.check(finish(second), "the second copy ends");
    report.check(second.exitCode == SecondCopy,
                 "a copy started beside the first is a second copy, exit code " + std::to_string(second.exitCode));

    SetEvent(release);
    report.check(finish(first), "the first copy ends");
    report.check(first.exitCode == FirstCopy,
                 "the first copy was the first copy, exit code " + std::to_string(first.exitCode));

    Copy later = start(L"probe");
    report.check(finish(later), "the later copy ends");
    report.check(later.exitCode == FirstCopy,
                 "a copy started after the first ended is a first copy, exit code " + std::to_string(later.exitCode));

    return report.finish();
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"hold")
        return hold();
    if (mode == L"probe")
        return static_cast<int>(takeMutex());
    return runScenario();
}
