// Runs a program and writes its peak resident set (kilobytes) to a file: the benchmark's measure
// of a process's memory on POSIX systems.
//
//     qira_peak_probe REPORT PROGRAM [ARGUMENTS...]
//
// A process's peak as the kernel reports it includes the memory of the process it was forked
// from, up to its exec. The benchmark holds open games when it measures, so it starts this small
// program, whose own child is forked from a process of a few hundred kilobytes. Exit code: the
// program's, or 127 when it could not be run.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 3)
        return 127;
    const pid_t pid = fork();
    if (pid < 0)
        return 127;
    if (pid == 0) {
        execv(argv[2], argv + 2);
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status))
        return 127;
    std::FILE* report = std::fopen(argv[1], "w");
    if (report == nullptr)
        return 127;
    std::fprintf(report, "%ld\n", usage.ru_maxrss);
    if (std::fclose(report) != 0)
        return 127;
    return WEXITSTATUS(status);
}
