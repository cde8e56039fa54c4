#pragma once

#include <QWidget>

class QLineEdit;

// The price list: eleven unit prices text1(0..10) the calculators copy into their price fields,
// kept in the settings store between runs.
class PriceListPage final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kEntryCount = 11;
    static constexpr int kConcrete = 0;

    // Built inside `frame` (myframe(20)), which the main window lays it into.
    explicit PriceListPage(QWidget *frame);

    // The text of entry `index`, as typed.
    QString entry(int index) const;
    QLineEdit *entryField(int index) const;

    // "Save": stores every entry and says so.
    void save();

private:
    QList<QLineEdit *> m_entries;
};
