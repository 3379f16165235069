// Start-up of the program against a bare Qt window with as many controls,
// the same menu, fonts, catalogues and icon (barewindow.h), on the offscreen
// platform and on X11 through an X server of the benchmark's own (Xvfb).
// Each is started as a process of its own, alternately, and timed until its
// window is first exposed and painted; then each runs once more under
// valgrind's callgrind, which counts the instructions to that first frame:
// they hold still on a machine whose time figures are noisy.
//   bench_startup [RUNS]                  RUNS of each (50 unless given), then the figures
//   bench_startup --show program|bare     one start, as measured, on the platform set

#include "barewindow.h"
#include "exitonfirstexpose.h"
#include "startup.h"

#include <QApplication>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
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
    introduceProgram();
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

std::string selfPath() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

// Starts a command with its standard error to /dev/null (Qt's warnings about
// the session would repeat for every start; run `bench_startup --show
// program` to see them), and waits for it to end well.
rusage run(const std::vector<std::string>& command)
{
    std::vector<char*> arguments;
    for (const std::string& argument : command)
        arguments.push_back(const_cast<char*>(argument.c_str()));
    arguments.push_back(nullptr);

    posix_spawn_file_actions_t quiet{};
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawnp(&child, arguments[0], &quiet, nullptr, arguments.data(), environ);
    posix_spawn_file_actions_destroy(&quiet);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + command.front());
    int status = 0;
    rusage usage{};
    // wait4 gives this one child's peak, where RUSAGE_CHILDREN gives the largest so far.
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != EXIT_SUCCESS)
        throw std::runtime_error(command.back() + " did not start and exit cleanly");
    return usage;
}

struct Start {
    double milliseconds;
    long peakKibibytes;
};

Start startOnce(std::string_view which)
{
    const auto begin = std::chrono::steady_clock::now();
    const rusage usage = run({selfPath(), std::string(showOption), std::string(which)});
    const auto end = std::chrono::steady_clock::now();
    return {std::chrono::duration<double, std::milli>(end - begin).count(), usage.ru_maxrss};
}

// Instructions from the process's first to its first frame, as callgrind
// counts them; its profile stays beside, for callgrind_annotate.
double instructionsOnce(std::string_view which, const std::string& platform)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string stem = (folder / ("vemparo-startup-" + platform + "-" + std::string(which))).string();
    run({"valgrind", "--tool=callgrind", "--log-file=" + stem + ".log", "--callgrind-out-file=" + stem + ".callgrind",
         selfPath(), std::string(showOption), std::string(which)});
    std::ifstream log(stem + ".log");
    const std::regex collected(R"(Collected : (\d+))");
    std::smatch match;
    for (std::string line; std::getline(log, line);) {
        if (std::regex_search(line, match, collected))
            return std::stod(match[1].str());
    }
    throw std::runtime_error("callgrind counted nothing for " + std::string(which));
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

struct Figures {
    double milliseconds = 0;
    double mebibytes = 0;
    double instructions = 0;
};

struct Samples {
    std::vector<double> milliseconds;
    std::vector<long> kibibytes;

    void add(const Start& start)
    {
        milliseconds.push_back(start.milliseconds);
        kibibytes.push_back(start.peakKibibytes);
    }
    [[nodiscard]] Figures medians() const
    {
        return {median(milliseconds), static_cast<double>(median(kibibytes)) / 1024.0};
    }
};

void report(const std::string& platform, int runs, const Figures& program, const Figures& bare)
{
    std::printf("%s: median of %d alternated starts each; instructions to the first frame (callgrind)\n",
                platform.c_str(), runs);
    std::printf("  %-12s %10s %14s %14s\n", "", "time", "peak memory", "instructions");
    for (const auto& [name, figures] : {std::pair{"program", program}, std::pair{"bare window", bare}}) {
        std::printf("  %-12s %7.1f ms %10.1f MiB %12.1f M\n", name, figures.milliseconds, figures.mebibytes,
                    figures.instructions / 1e6);
    }
    std::printf("  %-12s %10.3f %14.3f %14.3f\n\n", "ratio", program.milliseconds / bare.milliseconds,
                program.mebibytes / bare.mebibytes, program.instructions / bare.instructions);
    std::fflush(stdout);
}

void compare(const std::string& platform, int runs)
{
    setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
    // The first starts fill the disk and font caches; they are not counted.
    startOnce(programName);
    startOnce(bareName);

    Samples program;
    Samples bare;
    for (int run = 0; run < runs; ++run) {
        program.add(startOnce(programName));
        bare.add(startOnce(bareName));
    }
    Figures programFigures = program.medians();
    Figures bareFigures = bare.medians();
    programFigures.instructions = instructionsOnce(programName, platform);
    bareFigures.instructions = instructionsOnce(bareName, platform);
    report(platform == "xcb" ? "xcb (Xvfb)" : platform, runs, programFigures, bareFigures);
}

// An X server of the benchmark's own, as the tests start one: it takes the
// first free display number itself and writes it once it accepts clients.
class XServer {
public:
    XServer()
    {
        std::array<int, 2> pipeEnds{};
        if (pipe(pipeEnds.data()) != 0)
            throw std::runtime_error("no pipe for Xvfb");
        const std::string numberFd = std::to_string(pipeEnds[1]);
        const char* arguments[] = {"Xvfb", "-displayfd", numberFd.c_str(), "-screen", "0", "1280x1024x24",
                                   "-nolisten", "tcp", "-noreset", nullptr};
        posix_spawn_file_actions_t actions{};
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        const int spawned =
            posix_spawnp(&pid_, "Xvfb", &actions, nullptr, const_cast<char* const*>(arguments), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        std::string number;
        char digit = 0;
        while (spawned == 0 && read(pipeEnds[0], &digit, 1) == 1 && digit != '\n')
            number += digit;
        close(pipeEnds[0]);
        if (number.empty()) {
            stop();
            throw std::runtime_error("Xvfb did not start (Debian's xvfb)");
        }
        display_ = ":" + number;
    }
    ~XServer() { stop(); }
    XServer(const XServer&) = delete;
    XServer& operator=(const XServer&) = delete;

    [[nodiscard]] const std::string& display() const { return display_; }

private:
    void stop()
    {
        if (pid_ > 0) {
            kill(pid_, SIGTERM);
            waitpid(pid_, nullptr, 0);
            pid_ = 0;
        }
    }

    pid_t pid_ = 0;
    std::string display_;
};

int compareEverywhere(int runs)
{
    compare("offscreen", runs);
    const XServer server;
    setenv("DISPLAY", server.display().c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    compare("xcb", runs);
    std::printf("Profiles: %s/vemparo-startup-*.callgrind (callgrind_annotate)\n",
                std::filesystem::temp_directory_path().c_str());
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
        return compareEverywhere(runs);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return EXIT_FAILURE;
    }
}
