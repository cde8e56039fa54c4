#include "support/CalculatorTestKit.h"

#include "shell/StoredControls.h"

#include <QFile>

namespace CalculatorTestKit {

QString messageOf(const StepOutcome &outcome)
{
    switch (outcome.message) {
    case StepOutcome::Message::DataMissing:
        return kMissing;
    case StepOutcome::Message::MaximumCalculation:
        return kMaximum;
    case StepOutcome::Message::None:
        break;
    }
    return {};
}

QStringList writesOf(const StepOutcome &outcome)
{
    QStringList writes;
    for (const auto &[field, text] : outcome.writes)
        writes << field + QLatin1Char('=') + text;
    return writes;
}

QStringList describe(const StepOutcome &outcome)
{
    return QStringList{messageOf(outcome)} + writesOf(outcome);
}

QStringList entriesOf(const QComboBox *list)
{
    QStringList entries;
    for (int i = 0; i < list->count(); ++i)
        entries << list->itemText(i);
    return entries;
}

QStringList labelTexts(const QObject *root)
{
    QStringList texts;
    for (const QLabel *label : root->findChildren<QLabel *>())
        texts << label->text();
    return texts;
}

bool isLabelled(const QObject *root, const QWidget *field, const QString &text)
{
    bool labelled = false;
    for (const QLabel *candidate : root->findChildren<QLabel *>())
        labelled = labelled || (candidate->text() == text && candidate->buddy() == field);
    return labelled;
}

void pick(QComboBox *list, const QString &entry)
{
    const int index = list->findText(entry);
    QVERIFY2(index >= 0, qPrintable(entry));
    list->setCurrentIndex(index);
}

void choose(QComboBox *list, int index)
{
    // End first, so even the entry already chosen is chosen again.
    QTest::keyClick(list, Qt::Key_End);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentIndex(), index);
}

QString press(QPushButton *button)
{
    auto seen = TestSupport::answerNextMessageBox(QMessageBox::Ok);
    QTest::mouseClick(button, Qt::LeftButton);
    if (seen->shown && seen->title != QStringLiteral("Mortarix"))
        return QStringLiteral("wrong title: ") + seen->title;
    return seen->shown ? seen->text : QString();
}

void MainWindowFixture::openWindowAt(int page)
{
    m_page = page;
    QFile::remove(SettingsStore::filePath());
    m_window = std::make_unique<MainWindow>();
    m_window->show();
    QTest::mouseClick(m_window->pageButton(page), Qt::LeftButton);
}

} // namespace CalculatorTestKit
