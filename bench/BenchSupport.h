#pragma once

#include <QList>
#include <QString>

// Median and 99th percentile of a list of durations.
struct Percentiles
{
    double median = 0;
    double p99 = 0;
};
Percentiles percentiles(QList<double> samples);

// Prints one result line the bench script collects: "name<TAB>value<TAB>unit".
void report(const QString &name, double value, const QString &unit);
