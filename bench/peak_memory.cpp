// peak_memory FILE COMMAND [ARGUMENT]...: runs the command and writes its
// peak resident memory in kB to FILE; exits with the command's status.
// The start-up benchmark measures memory through this small program: the
// kernel carries a process's peak over an exec, so a child started straight
// from the benchmark would report at least the benchmark's own memory.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdio>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[2], nullptr, nullptr, argv + 2, environ) != 0) return 127;
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid) return 127;
    std::FILE* out = std::fopen(argv[1], "w");
    if (!out) return 127;
    std::fprintf(out, "%ld\n", usage.ru_maxrss);
    std::fclose(out);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 127;
}
