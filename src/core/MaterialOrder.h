#pragma once

#include "core/Job.h"
#include "core/MaterialFactors.h"

#include <QList>
#include <QString>

#include <optional>

// What to buy for each posted row: the calculators' quantities with waste, in the units material
// is sold in. Every figure is worked out exactly on four-decimal amounts; only the final count is
// rounded, and up, so an exact multiple stays as it is.
namespace MaterialOrder {

using Amount = Numbers::Currency;

// ⌈ quantity × (1 + waste %) ⌉ in whole units; 0 for no quantity.
qint64 wholeWithWaste(Amount quantity, Amount wastePercent);
// quantity × (1 + waste %) rounded up to a multiple of `increment`.
Amount upToIncrement(Amount quantity, Amount wastePercent, Amount increment);
// Premix bags of `yieldCubicFeet` each for `cubicYards` × (1 + waste %).
qint64 premixBags(Amount cubicYards, Amount wastePercent, Amount yieldCubicFeet);
// Bar sticks: ⌈ lineal feet × (1 + waste %) ÷ (stock length − lap) ⌉, the lap being `lapDiameters`
// bar diameters; nothing when the lap takes the whole stick.
std::optional<qint64> sticks(Amount linealFeet, Amount wastePercent, Amount stockFeet, Amount lapDiameters,
                             Amount barDiameterInches);
// ⌈ count × perHundredOrThousand ÷ per ⌉, and the same rounded up to hundredths for volumes.
qint64 bagsPer(qint64 count, Amount bags, int per);
Amount volumePer(qint64 count, Amount cubicYards, int per);

// The bar sizes by their captions on the rebar page ("1/2\"" is #4): diameter (in) and ASTM A615
// unit weight (lb/ft).
struct Bar
{
    QString caption;
    QString number; // "#4"
    Amount diameterInches;
    Amount poundsPerFoot;
};
std::optional<Bar> barOf(const QString &caption);

// Exact metric texts: cubic yards as cubic metres, pounds as kilograms, feet as metres.
QString cubicMetres(Amount cubicYards);
QString kilograms(Amount pounds);
QString metres(Amount feet);

struct Line
{
    QString material;
    QString quantity; // "3.50"
    QString unit;     // "cu yd"
    QString factor;   // "+5 % waste", "0.25 cu yd steps"
    QString metric;   // "2.676 m³", or empty
};

struct Group
{
    int row = 0;
    QString item;
    QString description;
    QList<Line> lines;
};

// The order for every posted row of `job`, in grid order.
QList<Group> of(const Job &job, const MaterialFactors &factors, bool coresFilled);

// The order as tab-separated lines (for a spreadsheet) or as CSV (RFC 4180), with the metric
// column when asked for.
QString tabSeparated(const QList<Group> &groups, bool metric);
QByteArray csv(const QList<Group> &groups, bool metric);
// The same as an HTML table whose heading repeats on every printed page.
QString htmlTable(const QList<Group> &groups, bool metric);

} // namespace MaterialOrder
