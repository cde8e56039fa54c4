#include "totals/PriceListPage.h"

#include "core/SettingsStore.h"
#include "totals/TotalsMessages.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

struct EntryInfo
{
    int group; // index into kGroups
    const char *label;
};

struct GroupInfo
{
    int frame;
    const char *caption;
};

const GroupInfo kGroups[] = {{21, " Concrete Cost "},
                             {22, "Local Block Cost"},
                             {23, "Welded Wire Cost"},
                             {24, "Rebar Cost"},
                             {25, "Brick Cost"}};

// Entry 3 prices the roll the rest of the program calls the 500-foot roll (5 by 500 feet).
const EntryInfo kEntries[PriceListPage::kEntryCount] = {
    {0, "Enter Cost Per Cubic Yard"},
    {1, "Enter Cost 8 x 12 x 16  ea."},
    {1, "Enter Cost 8 x 8 x 16   ea."},
    {2, "Enter Cost 500 ' Roll   ea."},
    {2, "Enter Cost 150 ' Roll   ea."},
    {2, "Enter Cost 100 ' Roll   ea."},
    {3, "1/2\"      L.F."},
    {3, "5/8\"      L.F."},
    {3, "3/4\"      L.F."},
    {3, "1\"        L.F."},
    {3, "1 1/4\"    L.F."},
};

} // namespace

PriceListPage::PriceListPage(QWidget *frame) : QWidget(frame)
{
    setObjectName(QStringLiteral("PriceListContent"));

    // Two columns, so every group keeps its full height in the page: concrete, block and wire on
    // the left; rebar and the brick note on the right, with Save beneath them.
    auto *columns = new QHBoxLayout(this);
    columns->setContentsMargins(0, 0, 0, 0);
    auto *left = new QVBoxLayout;
    auto *right = new QVBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    QList<QFormLayout *> forms;
    for (const GroupInfo &info : kGroups) {
        auto *group = new QGroupBox(QString::fromLatin1(info.caption), this);
        group->setObjectName(QStringLiteral("myframe(%1)").arg(info.frame));
        auto *form = new QFormLayout(group);
        form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
        forms << form;
        (info.frame <= 23 ? left : right)->addWidget(group);
    }
    for (int i = 0; i < kEntryCount; ++i) {
        auto *field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("text1(%1)").arg(i));
        field->setMaxLength(4);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12);
        auto *label = new QLabel(QString::fromUtf8(kEntries[i].label), this);
        label->setBuddy(field);
        forms.at(kEntries[i].group)->addRow(label, field);
        m_entries << field;
    }
    auto *note = new QLabel(
        QStringLiteral("Please contact your local masonry vendor for available brick size and prices."),
        this);
    note->setWordWrap(true);
    forms.last()->addRow(note);
    left->addStretch();

    auto *save = new QPushButton(QStringLiteral("Save"), this);
    save->setObjectName(QStringLiteral("MyPriceListcmd_Save"));
    connect(save, &QPushButton::clicked, this, &PriceListPage::save);
    right->addStretch();
    right->addWidget(save, 0, Qt::AlignRight);
}

QString PriceListPage::entry(int index) const
{
    const QLineEdit *field = entryField(index);
    return field ? field->text() : QString();
}

QLineEdit *PriceListPage::entryField(int index) const
{
    return m_entries.value(index, nullptr);
}

void PriceListPage::save()
{
    QStringList prices;
    for (const QLineEdit *field : std::as_const(m_entries))
        prices << field->text();
    // Say "saved" only when the prices are on disk.
    if (!PriceStore::save(prices)) {
        TotalsMessages::pricesNotSaved(this, SettingsStore::filePath());
        return;
    }
    TotalsMessages::pricesSaved(this);
}
