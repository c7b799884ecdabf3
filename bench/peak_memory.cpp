#include "peak_memory.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <psapi.h>
#include <windows.h>
#else
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace qira::bench {

#ifdef _WIN32

std::int64_t peak_resident_bytes(const std::string& program, const std::vector<std::string>& args) {
    std::string command = "\"" + program + "\"";
    for (const auto& a : args)
        command += " \"" + a + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
        return -1;
    WaitForSingleObject(pi.hProcess, INFINITE);
    PROCESS_MEMORY_COUNTERS pmc{};
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    const bool ok = GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc) && code == 0;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return ok ? static_cast<std::int64_t>(pmc.PeakWorkingSetSize) : -1;
}

#else

std::int64_t peak_resident_bytes(const std::string& program, const std::vector<std::string>& args) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<std::int64_t>(usage.ru_maxrss) * 1024; // kilobytes on Linux
}

#endif

} // namespace qira::bench
