// Starts programs in turn, A B A B, and reports for each the median wall time
// from spawn to exit, its processor time and its peak resident memory, each
// beside the last program, the floor. Taking turns in one run lets all of
// them meet the same moments of a busy machine. Then, in as many turns again
// as SETTLE_RUNS says, each program stays up half a second after its first
// frame and reports the memory it holds then (see exitonexpose.cpp).
//
// usage: bench-startup RUNS SETTLE_RUNS PROGRAM... FLOOR

#include "bench/stats.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run
{
    double wallMs;
    double cpuMs;
    double peakKiB;
};

double milliseconds(const timeval &time)
{
    return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3;
}

Run runOnce(const char *program)
{
    char *argv[] = {const_cast<char *>(program), nullptr};
    pid_t pid = 0;
    const auto start = std::chrono::steady_clock::now();
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::perror(program);
        std::exit(1);
    }
    int status = 0;
    rusage usage {};
    // wait4 gives this child's own peak memory, where RUSAGE_CHILDREN would
    // give the largest of all children so far.
    if (wait4(pid, &status, 0, &usage) != pid) {
        std::perror("wait4");
        std::exit(1);
    }
    const auto stop = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not exit cleanly (status %d)\n", program, status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(stop - start).count(),
        milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), double(usage.ru_maxrss)};
}

struct Series
{
    std::string name;
    std::vector<double> wallMs;
    std::vector<double> cpuMs;
    std::vector<double> peakKiB;
    std::vector<double> settledKiB;

    void add(const Run &run)
    {
        wallMs.push_back(run.wallMs);
        cpuMs.push_back(run.cpuMs);
        peakKiB.push_back(run.peakKiB);
    }
};

std::string baseName(const std::string &path)
{
    return path.substr(path.find_last_of('/') + 1);
}

// The resident memory a program reports once it has settled.
double settledKiB(const char *program, const std::string &file)
{
    std::remove(file.c_str());
    runOnce(program);
    std::ifstream in(file);
    double kib = -1;
    if (!(in >> kib) || kib <= 0) {
        std::fprintf(stderr, "%s reported no resident memory\n", program);
        std::exit(1);
    }
    return kib;
}

void printTable(const std::vector<Series> &series)
{
    const Series &floor = series.back();
    std::printf("| program | runs | wall ms | ratio | CPU ms | ratio | peak RSS MiB | above floor "
                "| RSS after 0.5 s MiB | above floor |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const Series &s : series) {
        const double wall = median(s.wallMs);
        const double cpu = median(s.cpuMs);
        const double peak = median(s.peakKiB);
        const double settled = median(s.settledKiB);
        std::printf("| %s | %zu | %.1f | %.3f | %.1f | %.3f | %.2f | %+.2f | %.2f | %+.2f |\n",
            s.name.c_str(), s.wallMs.size(), wall, wall / median(floor.wallMs), cpu,
            cpu / median(floor.cpuMs), peak / 1024, (peak - median(floor.peakKiB)) / 1024,
            settled / 1024, (settled - median(floor.settledKiB)) / 1024);
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s RUNS SETTLE_RUNS PROGRAM... FLOOR\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int settleRuns = std::atoi(argv[2]);
    std::vector<Series> series;
    for (int i = 3; i < argc; ++i) {
        // The first start of each fills the page cache and font caches.
        runOnce(argv[i]);
        series.push_back({baseName(argv[i]), {}, {}, {}, {}});
    }
    for (int r = 0; r < runs; ++r) {
        for (int i = 3; i < argc; ++i)
            series[std::size_t(i - 3)].add(runOnce(argv[i]));
    }
    const std::string file = "/tmp/bench-resident-" + std::to_string(getpid());
    setenv("BENCH_RESIDENT_FILE", file.c_str(), 1);
    for (int r = 0; r < settleRuns; ++r) {
        for (int i = 3; i < argc; ++i)
            series[std::size_t(i - 3)].settledKiB.push_back(settledKiB(argv[i], file));
    }
    unsetenv("BENCH_RESIDENT_FILE");
    std::remove(file.c_str());
    printTable(series);
    return 0;
}
