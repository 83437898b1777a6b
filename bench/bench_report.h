// A row of the performance table that scripts/perf-report gathers from the benchmarks' output:
// every line that starts with "| " is a row.
#pragma once

#include <cstdio>
#include <string>

inline void ReportRow(const std::string& what, double value, const char* unit)
{
    std::printf("| %-62s | %10.3f | %-16s |\n", what.c_str(), value, unit);
}
