#include "BenchSupport.h"

#include <algorithm>
#include <cstdio>

Percentiles percentiles(QList<double> samples)
{
    Percentiles result;
    if (samples.isEmpty())
        return result;
    std::sort(samples.begin(), samples.end());
    result.median = samples.at(samples.size() / 2);
    result.p99 = samples.at(std::min<qsizetype>(samples.size() - 1, samples.size() * 99 / 100));
    return result;
}

void report(const QString &name, double value, const QString &unit)
{
    std::printf("%s\t%.3f\t%s\n", qPrintable(name), value, qPrintable(unit));
    std::fflush(stdout);
}
