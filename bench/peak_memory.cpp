#include "peak_memory.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#include <psapi.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cstdio>
#include <filesystem>
#include <system_error>

namespace qira::bench {

#ifdef _WIN32

std::int64_t peak_resident_bytes(const std::string& program, const std::vector<std::string>& args,
                                 const std::string& output) {
    std::string command = "\"" + program + "\"";
    for (const auto& a : args)
        command += " \"" + a + "\"";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    HANDLE out = INVALID_HANDLE_VALUE;
    if (!output.empty()) {
        SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
        out = CreateFileA(output.c_str(), GENERIC_WRITE, 0, &inherit, CREATE_ALWAYS,
                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (out == INVALID_HANDLE_VALUE)
            return -1;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = out;
        si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
        si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    }
    PROCESS_INFORMATION pi{};
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr,
                                        out != INVALID_HANDLE_VALUE, 0, nullptr, nullptr, &si, &pi);
    if (out != INVALID_HANDLE_VALUE)
        CloseHandle(out);
    if (!started)
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

// Through qira_peak_probe (peak_probe.cpp): a child forked from the benchmark would count the
// benchmark's own memory in its peak.
std::int64_t peak_resident_bytes(const std::string& program, const std::vector<std::string>& args,
                                 const std::string& output) {
    std::error_code ec;
    std::string report = (std::filesystem::temp_directory_path(ec) / "qira-peak-XXXXXX").string();
    const int report_fd = ec ? -1 : mkstemp(report.data());
    if (report_fd < 0)
        return -1;
    close(report_fd);
    const std::string probe = QIRA_PEAK_PROBE_PATH;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(probe.c_str()));
    argv.push_back(report.data());
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const auto& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (!output.empty()) {
            const int fd = open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (fd < 0 || dup2(fd, 1) < 0)
                _exit(126);
            close(fd);
        }
        execv(probe.c_str(), argv.data());
        _exit(127);
    }
    int status = 0;
    const bool ran =
        waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    long kilobytes = -1;
    if (std::FILE* in = std::fopen(report.c_str(), "r")) {
        if (std::fscanf(in, "%ld", &kilobytes) != 1)
            kilobytes = -1;
        std::fclose(in);
    }
    std::remove(report.c_str());
    return ran && kilobytes >= 0 ? static_cast<std::int64_t>(kilobytes) * 1024 : -1;
}

#endif

} // namespace qira::bench
