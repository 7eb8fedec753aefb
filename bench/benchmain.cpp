// Runs the registered benchmarks and closes with one line per subject:
// its time as a ratio of the reference measured in the same run. A pair is
// "GROUP/reference" and "GROUP/<subject>".
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.error_occurred)
                continue;
            m_times[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }

    void printRatios() const
    {
        std::printf("\nRatios against the reference of the same run:\n");
        for (const auto &[name, time] : m_times) {
            const auto slash = name.find('/');
            if (slash == std::string::npos || name.compare(slash + 1, std::string::npos, "reference") == 0)
                continue;
            const auto ref = m_times.find(name.substr(0, slash) + "/reference");
            if (ref == m_times.end() || ref->second <= 0)
                continue;
            std::printf("  %-50s %8.2fx\n", name.c_str(), time / ref->second);
        }
    }

private:
    std::map<std::string, double> m_times;
};

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
