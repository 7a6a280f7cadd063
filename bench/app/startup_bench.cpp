// Start-up as a whole process: from starting the program to the first day
// shown, on the sample content beside the program (scripts/content.sh).
// The child is the bench-only app_startup_probe from the same folder.

#include <benchmark/benchmark.h>

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

std::string probePath() {
    char buf[PATH_MAX] = {};
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    std::string self(buf, n > 0 ? size_t(n) : 0);
    return self.substr(0, self.rfind('/') + 1) + "app_startup_probe";
}

// Starts the probe and returns when it reports the first day shown; the
// child's exit is waited for outside the timed part.
bool runOnce(benchmark::State& state, const std::string& delay) {
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    const std::string path = probePath();
    char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>(delay.c_str()), nullptr};

    pid_t pid = 0;
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    if (rc != 0) {
        close(fds[0]);
        return false;
    }
    std::string out;
    char c;
    while (out.find("shown") == std::string::npos && read(fds[0], &c, 1) == 1)
        out += c;
    state.PauseTiming();
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    state.ResumeTiming();
    return out.find("shown") != std::string::npos && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void run(benchmark::State& state, const char* delay) {
    // Headless unless a display was asked for.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    for (auto _ : state) {
        if (!runOnce(state, delay)) {
            state.SkipWithError(
                "the program did not show its first day (is the sample content built?)");
            break;
        }
    }
}

// The program as it starts: the splash holds start-up for its 1000 ms.
void BM_StartupToFirstDay(benchmark::State& state) {
    run(state, "1000");
}
// The same without the splash's fixed hold: the work itself.
void BM_StartupToFirstDayWithoutSplashHold(benchmark::State& state) {
    run(state, "0");
}

} // namespace

BENCHMARK(BM_StartupToFirstDay)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
BENCHMARK(BM_StartupToFirstDayWithoutSplashHold)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->UseRealTime();
