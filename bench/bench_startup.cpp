// Start-up and idle of the program against a bare Qt window, side by side under one private X
// server: the median wall time from start to the first painted window and the peak resident
// memory until then, runs of each alternating; and the processor time that the program and a bare
// window, left open together, take while nothing happens. Prints one JSON object, which
// bench_report reads.
//
//   bench_startup [runs]      (10 runs of each by default)

#include "xserver.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

struct Run
{
    double milliseconds;
    long peakKiB;
};

pid_t Start(const std::string &program, const char *argument = nullptr)
{
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program.c_str(), program.c_str(), argument, static_cast<char *>(nullptr));
        _exit(127);
    }
    return pid;
}

Run Measure(const std::string &program, const char *argument = nullptr)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = Start(program, argument);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const std::chrono::duration<double, std::milli> elapsed =
        std::chrono::steady_clock::now() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", program.c_str());
        std::exit(1);
    }
    return {elapsed.count(), usage.ru_maxrss};
}

template <typename T> T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

constexpr int IdleSeconds = 5;

std::string settingsFolder;

void RemoveSettings()
{
    if (!settingsFolder.empty())
        std::filesystem::remove_all(settingsFolder);
}

long CpuTicks(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; fields >> field; ++i) {
        if (i == 14)
            utime = std::stol(field);
        if (i == 15) {
            stime = std::stol(field);
            break;
        }
    }
    return utime + stime;
}

// The number of runs of each: none given is 10; anything but one whole number from 1 on gets the
// usage line, before any X server is started.
int Runs(int argc, char *argv[])
{
    if (argc == 1)
        return 10;
    char *end = nullptr;
    const long runs = argc == 2 ? std::strtol(argv[1], &end, 10) : 0;
    if (argc == 2 && *argv[1] != '\0' && *end == '\0' && runs >= 1 && runs <= 1000)
        return int(runs);
    std::fprintf(stderr, "usage: bench_startup [runs]   (1 to 1000 runs of each; 10 by default)\n");
    std::exit(2);
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = Runs(argc, argv);
    const std::string folder = BENCH_FOLDER;
    const std::string bare = folder + "/startup_bare";
    const std::string program = folder + "/startup_program";

    char config[] = "/tmp/pigmenta-bench-XXXXXX";
    if (!mkdtemp(config))
        return 1;
    settingsFolder = config;
    std::atexit(RemoveSettings);
    const std::string settings = std::string(config) + "/Tarvo";
    mkdir(settings.c_str(), 0700);
    std::ofstream(settings + "/registry.reg")
        << "Windows Registry Editor Version 5.00\r\n\r\n"
           "[HKEY_LOCAL_MACHINE\\Software\\Tarvo\\Pigmenta R4\\Settings]\r\n"
           "\"Splash\"=dword:00000000\r\n";
    setenv("XDG_CONFIG_HOME", config, 1);
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    setenv("XDG_RUNTIME_DIR", config, 1);
    setenv("DISPLAY", StartXServer().c_str(), 1);

    // One start of each first, so that both find the libraries in the page cache.
    Measure(bare);
    Measure(program);
    std::vector<Run> bareRuns, textRuns, programRuns;
    for (int run = 0; run < runs; ++run) {
        bareRuns.push_back(Measure(bare));
        textRuns.push_back(Measure(bare, "text"));
        programRuns.push_back(Measure(program));
    }
    const auto time = [](const std::vector<Run> &runs) {
        std::vector<double> values;
        for (const Run &run : runs)
            values.push_back(run.milliseconds);
        return Median(values);
    };
    const auto memory = [](const std::vector<Run> &runs) {
        std::vector<long> values;
        for (const Run &run : runs)
            values.push_back(run.peakKiB);
        return Median(values);
    };
    // Idle: the real program and a bare window, open together and left alone.
    const pid_t programIdle = Start(BENCH_PROGRAM), bareIdle = Start(bare, "idle");
    std::this_thread::sleep_for(std::chrono::seconds(2));
    const long programBefore = CpuTicks(programIdle), bareBefore = CpuTicks(bareIdle);
    std::this_thread::sleep_for(std::chrono::seconds(IdleSeconds));
    const long programTicks = CpuTicks(programIdle) - programBefore;
    const long bareTicks = CpuTicks(bareIdle) - bareBefore;
    for (const pid_t pid : {programIdle, bareIdle}) {
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }

    std::printf("{\"runs\": %d, \"idle_seconds\": %d, \"ticks_per_second\": %ld,\n", runs,
                IdleSeconds, sysconf(_SC_CLK_TCK));
    std::printf(" \"bare\": {\"ms\": %.2f, \"peak_kib\": %ld, \"idle_ticks\": %ld},\n",
                time(bareRuns), memory(bareRuns), bareTicks);
    std::printf(" \"bare_text\": {\"ms\": %.2f, \"peak_kib\": %ld},\n", time(textRuns),
                memory(textRuns));
    std::printf(" \"program\": {\"ms\": %.2f, \"peak_kib\": %ld, \"idle_ticks\": %ld}}\n",
                time(programRuns), memory(programRuns), programTicks);
    return 0;
}
