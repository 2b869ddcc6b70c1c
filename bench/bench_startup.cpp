// Whole runs of the terminal program against peers that this benchmark runs
// itself: `bc -l` and a C++ program that links only the standard library for
// a one-line evaluation, GNU `units` for a unit conversion, python3 for a
// batch of lines. Each iteration starts one process and waits for it (real
// time); peak_kB is the peak resident memory of one run.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "RatioReporter.h"

extern char** environ;

namespace {

struct Command {
    std::vector<std::string> argv;
    std::string input;  // file given as standard input ("" for /dev/null)
};

// Runs the command to its end with its output discarded; false when it
// could not be started or did not exit with 0.
bool RunOnce(const Command& command) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, command.input.empty() ? "/dev/null" : command.input.c_str(),
                                     O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    std::vector<char*> argv;
    for (const std::string& a : command.argv) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) return false;
    int status = 0;
    if (waitpid(pid, &status, 0) != pid) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A fresh directory with the inputs; removed at exit.
struct Workspace {
    Workspace() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qvxbench-XXXXXX").string();
        if (mkdtemp(pattern.data())) dir = pattern;
        dataDir = dir + "/data";
        std::filesystem::create_directory(dataDir);
        WriteInputs();
    }
    ~Workspace() {
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }

    // The same lines for both programs, in each one's syntax.
    void WriteInputs() {
        std::ofstream(dir + "/line.bc") << "2*s(0.5)+sqrt(2)^3\n";
        std::ofstream quorvix(dir + "/batch.txt");
        std::ofstream python(dir + "/batch.py.txt");
        for (int k = 1; k <= kBatchLines / 4; ++k) {
            const std::string n = std::to_string(k);
            quorvix << "2*SIN(0.5)+SQRT(2)^3+" << n << "\n"
                    << "(" << n << "+1)^2/7-1/3\n"
                    << "LN(" << n << ")*EXP(-" << n << "/100)\n"
                    << "ABS(COS(" << n << ")-" << n << "%)\n";
            python << "2*math.sin(0.5)+math.sqrt(2)**3+" << n << "\n"
                   << "(" << n << "+1)**2/7-1/3\n"
                   << "math.log(" << n << ")*math.exp(-" << n << "/100)\n"
                   << "abs(math.cos(" << n << ")-" << n << "*0.01)\n";
        }
    }

    static constexpr int kBatchLines = 2000;
    std::string dir;
    std::string dataDir;
};

Workspace& Work() {
    static Workspace workspace;
    return workspace;
}

// The peak memory of one run, measured by the small peak_memory program
// (see there why not here).
double PeakMemoryKb(const Command& command) {
    Command measured = command;
    const std::string report = Work().dir + "/peak.txt";
    measured.argv = {QUORVIX_PEAK_MEMORY, report};
    measured.argv.insert(measured.argv.end(), command.argv.begin(), command.argv.end());
    double kb = 0.0;
    if (RunOnce(measured)) std::ifstream(report) >> kb;
    return kb;
}

void RunCommand(benchmark::State& state, const Command& command) {
    for (auto _ : state) {
        if (!RunOnce(command)) {
            state.SkipWithError(("could not run " + command.argv[0]).c_str());
            return;
        }
    }
    state.counters["peak_kB"] = PeakMemoryKb(command);
}

// The distribution's python3 rather than a version manager's wrapper
// script, whose own start-up would be measured too.
std::string Python() {
    return access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
}

Command Quorvix(std::vector<std::string> arguments, std::string input = {}) {
    Command c{{QUORVIX_CLI_BINARY, "--data-dir", Work().dataDir}, std::move(input)};
    for (std::string& a : arguments) c.argv.push_back(std::move(a));
    return c;
}

void BM_OneShot_Quorvix(benchmark::State& s) {
    RunCommand(s, Quorvix({"-e", "2*SIN(0.5)+SQRT(2)^3"}));
}
void BM_OneShot_Bc(benchmark::State& s) {
    RunCommand(s, {{"bc", "-l"}, Work().dir + "/line.bc"});
}
void BM_OneShot_PlainCpp(benchmark::State& s) {
    RunCommand(s, {{QUORVIX_PLAIN_PEER, "0.5"}, {}});
}
void BM_OneShot_Python(benchmark::State& s) {
    RunCommand(s, {{Python(), "-c", "import math; print('%.10g' % (2*math.sin(0.5)+math.sqrt(2)**3))"}, {}});
}
void BM_Convert_Quorvix(benchmark::State& s) {
    RunCommand(s, Quorvix({"-e", "CONVERT(60,\"mi/h\",\"m/s\")"}));
}
void BM_Convert_Units(benchmark::State& s) {
    RunCommand(s, {{"units", "-t", "60 mile/hour", "m/s"}, {}});
}
void BM_Batch_Quorvix(benchmark::State& s) {
    RunCommand(s, Quorvix({}, Work().dir + "/batch.txt"));
}
void BM_Batch_Python(benchmark::State& s) {
    RunCommand(s,
               {{Python(), "-c", "import math, sys\nfor line in sys.stdin:\n    print('%.10g' % eval(line))"},
                Work().dir + "/batch.py.txt"});
}

}  // namespace

BENCHMARK(BM_OneShot_Quorvix)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneShot_Bc)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneShot_PlainCpp)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OneShot_Python)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_Quorvix)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Convert_Units)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_Quorvix)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Batch_Python)->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    using quorvix::bench::Comparison;
    return quorvix::bench::RunWithRatios(
        argc, argv,
        {
            Comparison{"one-shot: quorvix-cli / bc -l", "BM_OneShot_Quorvix", "BM_OneShot_Bc", 2.0},
            Comparison{"one-shot: quorvix-cli / plain C++", "BM_OneShot_Quorvix", "BM_OneShot_PlainCpp", 1.5},
            Comparison{"one-shot peak memory in kB (5 MB at most)", "BM_OneShot_Quorvix", "", 5120.0, "peak_kB"},
            Comparison{"conversion: quorvix-cli / GNU units", "BM_Convert_Quorvix", "BM_Convert_Units", 0.6},
            // At least 2.5 times as fast as python3 on the same lines.
            Comparison{"batch of 2000 lines: quorvix-cli / python3", "BM_Batch_Quorvix", "BM_Batch_Python",
                       0.4},
        });
}
