#pragma once

#include "core/Numbers.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

// What turns the calculators' quantities into what to buy: waste allowances, ready-mix and premix
// bag sizes, bar stock lengths and laps, and mortar, sand and grout yields. Set once per user in
// the settings store's section "Factors"; every value is exact to four decimals.
struct MaterialFactors
{
    using Amount = Numbers::Currency; // four decimals, exact

    // Waste allowances in percent.
    Amount concreteWaste;
    Amount blockWaste;
    Amount brickWaste;
    Amount rebarWaste;
    Amount wireWaste;
    // Ready-mix is ordered in multiples of this (cu yd); below the threshold (cu yd) premix bags
    // are offered too.
    Amount readyMixIncrement;
    Amount premixThreshold;
    // What one premix bag yields (cu ft).
    Amount bag40Yield;
    Amount bag60Yield;
    Amount bag80Yield;
    // Bar bought in stock lengths (ft), lapped by this many bar diameters.
    Amount rebarStockLength;
    Amount lapDiameters;
    // Mortar bags (80 lb mason mix) per 100 block; masonry cement bags (70 lb) and sand (cu yd)
    // per 1,000 brick; grout (cu yd) per 100 block with every core filled.
    Amount mortarBagsPer100Block;
    Amount cementBagsPer1000Brick;
    Amount sandPer1000Brick;
    Amount groutPer100Block;

    bool operator==(const MaterialFactors &) const = default;

    // The defaults (their sources are in docs/factors.md).
    static MaterialFactors defaults();
    // The stored factors; a value missing or out of its range reads as its default.
    static MaterialFactors load();
    // False when the settings store could not be written.
    bool save() const;

    // One factor as the dialog and the store know it.
    struct Field
    {
        const char *key;     // the settings key and the dialog field's objectName, "txtConcreteWaste"
        const char *caption; // "Concrete waste"
        const char *unit;    // "%", "cu yd", "cu ft", "ft", "bar diameters", "bags", ...
        Amount MaterialFactors::*member;
        Amount minimum;
        Amount maximum;

        bool accepts(Amount value) const { return value >= minimum && value <= maximum; }
    };
    static const QList<Field> &fields();

    // A plain decimal as typed or stored: blanks around it, digits with at most one period, no sign,
    // exponent or grouping; rounded to four decimals, ties to even. Nothing for anything else.
    static std::optional<Amount> readAmount(QStringView text);
    // The shortest plain text of an amount, period as the decimal point: 5, 0.25, -1.5.
    static QString amountText(Amount value);
};
