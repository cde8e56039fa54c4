#pragma once

#include <QString>

#include <optional>

// Who is quoting: set once per user and printed at the head and foot of every estimate. Kept in
// the settings store's section "Business"; the logo as a copy in the program's data folder.
struct BusinessDetails
{
    static constexpr int kDefaultValidDays = 30;
    static constexpr int kMaxValidDays = 3650;
    static constexpr int kMaxLength = 200;
    static constexpr int kMaxTextLength = 4000; // address and terms

    QString name;
    QString address; // several lines
    QString phone;
    QString email;
    QString licence;
    // Percent applied to material, as typed; empty or 0 for no tax.
    QString taxRate;
    int validDays = kDefaultValidDays;
    QString terms; // several lines
    // The copy of the logo in the data folder, or empty for none.
    QString logoPath;
    // Estimates end with a page of what to order.
    bool addMaterialList = false;

    bool operator==(const BusinessDetails &) const = default;

    // The stored details; defaults where nothing is stored.
    static BusinessDetails load();
    // False when the settings store could not be written. Once written, logo copies in the data
    // folder other than logoPath are removed, as nothing refers to them any more.
    bool save() const;

    // The tax rate in hundredths of a percent (7.25 % is 725), nullopt when there is no tax (and
    // for a text taxRateProblem refuses).
    std::optional<qint64> taxBasisPoints() const;
    // Empty when `text` is empty or a number from 0 to 100 with at most two decimals (blanks
    // around it allowed, the period as the decimal point); else why it is refused.
    static QString taxRateProblem(const QString &text);

    // Where the logo copy lives: the program's data folder.
    static QString dataFolder();

    struct StoredLogo
    {
        QString path;  // the copy, when stored
        QString error; // else why not, naming the chosen file
    };
    // Copies a PNG, JPEG or SVG picture into the data folder as logo.<ext>, in one piece, once it
    // is known to load as a picture.
    static StoredLogo storeLogo(const QString &sourcePath);
};
