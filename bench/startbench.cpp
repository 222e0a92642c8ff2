// Starts each program in turn with the first-show library preloaded, so it ends right after
// its first window is shown, and prints the median wall time and peak memory of each, and the
// median over the rounds of its time divided by the first program's (the yardstick) in the
// same round: starts one after the other share the machine's load of the moment, so this
// ratio varies less than the ratio of two medians when other work comes and goes.
// Usage: velmora_startbench <runs> <first-show library> <yardstick> <program> ...
#include <sys/resource.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double milliseconds;
    double cpuMilliseconds; // user + system: what the program itself cost, whatever the load
    double peakMiB;
};

double milliseconds(const timeval &t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

bool runOnce(const char *program, const char *library, Sample &sample)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        setenv("LD_PRELOAD", library, 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        alarm(30); // survives exec: a program that never shows a window is ended
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return false;
    sample.milliseconds = std::chrono::duration<double, std::milli>(end - start).count();
    sample.cpuMilliseconds = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    sample.peakMiB = double(usage.ru_maxrss) / 1024.0; // ru_maxrss is in KiB on Linux
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <runs> <first-show library> <yardstick> <program>...\n",
                     argv[0]);
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const char *library = argv[2];
    const int programs = argc - 3;
    std::vector<std::vector<Sample>> samples(static_cast<size_t>(programs));
    // One unmeasured start each fills the file cache; then the programs take turns.
    for (int round = -1; round < runs; ++round) {
        for (int p = 0; p < programs; ++p) {
            Sample sample{};
            if (!runOnce(argv[3 + p], library, sample)) {
                std::fprintf(stderr, "%s did not show a window and end\n", argv[3 + p]);
                return 1;
            }
            if (round >= 0)
                samples[size_t(p)].push_back(sample);
        }
    }
    std::printf("program,median ms,min ms,median cpu ms,median peak MiB,median ratio\n");
    for (int p = 0; p < programs; ++p) {
        std::vector<double> times;
        std::vector<double> cpu;
        std::vector<double> peaks;
        std::vector<double> ratios;
        for (size_t round = 0; round < samples[size_t(p)].size(); ++round) {
            const Sample &s = samples[size_t(p)][round];
            times.push_back(s.milliseconds);
            cpu.push_back(s.cpuMilliseconds);
            peaks.push_back(s.peakMiB);
            ratios.push_back(s.milliseconds / samples[0][round].milliseconds);
        }
        const std::string path = argv[3 + p];
        std::printf("%s,%.1f,%.1f,%.1f,%.1f,%.3f\n",
                    path.substr(path.find_last_of('/') + 1).c_str(), median(times),
                    *std::min_element(times.begin(), times.end()), median(cpu), median(peaks),
                    median(ratios));
    }
    return 0;
}
