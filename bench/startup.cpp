// Start-up time and peak memory of the program against a bare Qt window with
// as many controls and the same menu: each is started as a process of its own,
// alternately, shown on the offscreen platform, and timed until its window
// is exposed.
//   bench_startup [RUNS]                  RUNS of each (50 unless given), then the figures
//   bench_startup --show program|bare     one start, as measured

#include "barewindow.h"
#include "exitonfirstexpose.h"
#include "startup.h"

#include <QApplication>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

extern char** environ;

namespace {

constexpr int defaultRuns = 50;
constexpr std::string_view showOption = "--show";
constexpr std::string_view programName = "program";
constexpr std::string_view bareName = "bare";

// The program as its own main runs it. The watch starts with the application
// object, which the program makes itself, and lasts until it ends the process.
int showProgram(int argc, char* argv[])
{
    qAddPreRoutine([] { new ExitOnFirstExpose; });
    return runProgram(argc, argv);
}

int showBare(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ExitOnFirstExpose ending;
    BareWindow window;
    window.show();
    return QApplication::exec();
}

// Both start as a plain `vemparo` does, with no arguments.
int showOnce(char* self, std::string_view which)
{
    char* arguments[] = {self, nullptr};
    return which == programName ? showProgram(1, arguments) : showBare(1, arguments);
}

struct Start {
    double milliseconds;
    long peakKibibytes;
};

Start startOnce(std::string_view which)
{
    std::string self = "/proc/self/exe";
    std::string option(showOption);
    std::string name(which);
    char* const arguments[] = {self.data(), option.data(), name.data(), nullptr};

    // Qt's warnings about the session would repeat for every start; run
    // `bench_startup --show program` to see them.
    posix_spawn_file_actions_t quiet{};
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto begin = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int spawned = posix_spawn(&child, self.c_str(), &quiet, nullptr, arguments, environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + name);
    int status = 0;
    rusage usage{};
    // wait4 gives this one child's peak, where RUSAGE_CHILDREN gives the largest so far.
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != EXIT_SUCCESS)
        throw std::runtime_error(name + " did not start and exit cleanly");
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - begin).count(), usage.ru_maxrss};
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Samples {
    std::vector<double> milliseconds;
    std::vector<long> kibibytes;
};

void add(Samples& samples, const Start& start)
{
    samples.milliseconds.push_back(start.milliseconds);
    samples.kibibytes.push_back(start.peakKibibytes);
}

struct Figures {
    double milliseconds;
    double mebibytes;
};

Figures medians(const Samples& samples)
{
    return {median(samples.milliseconds), static_cast<double>(median(samples.kibibytes)) / 1024.0};
}

void report(int runs, const Figures& program, const Figures& bare)
{
    std::printf("Start-up until the window is shown (offscreen), median of %d starts each:\n", runs);
    std::printf("  %-12s %10s %14s\n", "", "time", "peak memory");
    std::printf("  %-12s %7.1f ms %10.1f MiB\n", "program", program.milliseconds, program.mebibytes);
    std::printf("  %-12s %7.1f ms %10.1f MiB\n", "bare window", bare.milliseconds, bare.mebibytes);
    std::printf("  %-12s %10.2f %14.2f\n", "ratio", program.milliseconds / bare.milliseconds,
                program.mebibytes / bare.mebibytes);
}

int compare(int runs)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The first starts fill the disk and font caches; they are not counted.
    startOnce(programName);
    startOnce(bareName);

    Samples program;
    Samples bare;
    for (int run = 0; run < runs; ++run) {
        add(program, startOnce(programName));
        add(bare, startOnce(bareName));
    }
    report(runs, medians(program), medians(bare));
    return EXIT_SUCCESS;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 3 && argv[1] == showOption && (argv[2] == programName || argv[2] == bareName))
        return showOnce(argv[0], argv[2]);
    const int runs = argc == 2 ? std::atoi(argv[1]) : defaultRuns;
    if (argc > 2 || runs <= 0) {
        std::fprintf(stderr, "usage: %s [RUNS] | --show program|bare\n", argv[0]);
        return 2;
    }
    try {
        return compare(runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return EXIT_FAILURE;
    }
}
