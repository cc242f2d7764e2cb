#pragma once

// Google Benchmark's own options are taken out of the arguments; anything left is refused with a
// usage line before the benchmark starts anything (an X server, a settings folder).

#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

inline void TakeBenchmarkArguments(int &argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    if (argc <= 1)
        return;
    std::fprintf(stderr,
                 "%s: unknown argument %s\n"
                 "usage: %s [--benchmark_filter=REGEX] [--benchmark_repetitions=N] "
                 "[--benchmark_format=json] ...   (--help lists every option)\n",
                 argv[0], argv[1], argv[0]);
    std::exit(2);
}
