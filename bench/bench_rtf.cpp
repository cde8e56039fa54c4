// RTF reading and writing throughput on generated documents, and the time from opening a large
// document to its text laid out in the editor page. With a folder argument, the generated files
// are left there (for a comparison with other readers); a second argument names the classes to
// run, separated by commas (for profiling one of them).
#include "BenchSupport.h"

#include "editor/EditorFiles.h"
#include "editor/EditorPage.h"
#include "core/RtfReader.h"
#include "core/RtfWriter.h"
#include "shell/MainWindow.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include <memory>

namespace {

const char *const kWords[] = {"concrete", "footing", "rebar", "block", "mortar", "trowel", "slab", "course"};

// Body text of one paragraph for each class of document.
QByteArray paragraph(const QString &kind, int n)
{
    QByteArray text;
    for (int w = 0; w < 12; ++w) {
        const QByteArray word = kWords[(n + w) % 8];
        if (kind == QLatin1String("plain")) {
            text += word + ' ';
        } else if (kind == QLatin1String("formatted")) {
            static const char *const on[] = {"\\b ", "\\i ", "\\ul ", "\\strike ", "\\fs28 "};
            static const char *const off[] = {"\\b0 ", "\\i0 ", "\\ulnone ", "\\strike0 ", "\\fs20 "};
            text += QByteArray(on[w % 5]) + word + ' ' + off[w % 5];
        } else if (kind == QLatin1String("fonts")) {
            text += "\\f" + QByteArray::number(w % 8) + "\\cf" + QByteArray::number(1 + (n + w) % 8) + ' ' +
                    word + ' ';
        } else {
            text += word + " \\u1076?\\u1086?\\u1084? \\u26085?\\u26412? \\'e9t\\'e9 ";
        }
    }
    return text + "\\par\n";
}

QByteArray generate(const QString &kind, qsizetype bytes)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl";
    for (int f = 0; f < 8; ++f)
        rtf += "{\\f" + QByteArray::number(f) + " Font" + QByteArray::number(f) + ";}";
    rtf += "}{\\colortbl;";
    for (int c = 0; c < 8; ++c)
        rtf +=
            "\\red" + QByteArray::number(c * 30) + "\\green" + QByteArray::number(255 - c * 30) + "\\blue0;";
    rtf += "}\n";
    for (int n = 0; rtf.size() < bytes; ++n)
        rtf += paragraph(kind, n);
    return rtf + "}";
}

// The least any reader building a QTextDocument pays for this content: the same paragraphs and
// runs inserted into a fresh document, with nothing to parse. Reading cannot be faster than this.
qint64 rebuildNanoseconds(const QTextDocument &source)
{
    QTextDocument copy;
    copy.setUndoRedoEnabled(false);
    QTextCursor cursor(&copy);
    QElapsedTimer timer;
    timer.start();
    cursor.beginEditBlock();
    for (QTextBlock block = source.begin(); block.isValid(); block = block.next()) {
        if (block != source.begin())
            cursor.insertBlock(block.blockFormat(), block.charFormat());
        for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it)
            cursor.insertText(it.fragment().text(), it.fragment().charFormat());
    }
    cursor.endEditBlock();
    return timer.nsecsElapsed();
}

double megabytesPerSecond(qsizetype bytes, qint64 nanoseconds)
{
    return (double(bytes) / (1024.0 * 1024.0)) / (double(nanoseconds) / 1e9);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString keep = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    QStringList kinds = {QStringLiteral("plain"), QStringLiteral("formatted"), QStringLiteral("fonts"),
                         QStringLiteral("nonascii")};
    if (argc > 2)
        kinds = QString::fromLocal8Bit(argv[2]).split(QLatin1Char(','));
    const QList<QPair<QString, qsizetype>> sizes = {{QStringLiteral("100KB"), 100 * 1024},
                                                    {QStringLiteral("1MB"), 1024 * 1024},
                                                    {QStringLiteral("5MB"), 5 * 1024 * 1024},
                                                    {QStringLiteral("10MB"), 10 * 1024 * 1024}};
    QByteArray largestPlain;
    for (const QString &kind : std::as_const(kinds)) {
        for (const auto &[label, bytes] : sizes) {
            const QByteArray rtf = generate(kind, bytes);
            if (!keep.isEmpty()) {
                QFile file(QDir(keep).filePath(kind + QLatin1Char('-') + label + QStringLiteral(".rtf")));
                if (file.open(QIODevice::WriteOnly))
                    file.write(rtf);
            }
            if (kind == QLatin1String("plain") && label == QLatin1String("10MB"))
                largestPlain = rtf;
            // Medians of a few runs: one run on a shared machine can be far off.
            constexpr int kRuns = 5;
            QList<double> reads, writes, rebuilds;
            std::unique_ptr<QTextDocument> read;
            for (int run = 0; run < kRuns; ++run) {
                // A fresh document each time: clearing the last one is no part of reading.
                read.reset();
                read = std::make_unique<QTextDocument>();
                QTextDocument &document = *read;
                QElapsedTimer timer;
                timer.start();
                RtfReader::read(rtf, &document);
                reads.append(megabytesPerSecond(rtf.size(), timer.nsecsElapsed()));
                timer.start();
                const QByteArray written = RtfWriter::write(document);
                writes.append(megabytesPerSecond(written.size(), timer.nsecsElapsed()));
                if (label == QLatin1String("10MB"))
                    rebuilds.append(megabytesPerSecond(rtf.size(), rebuildNanoseconds(document)));
            }
            report(QStringLiteral("rtf read %1 %2").arg(kind, label), percentiles(reads).median,
                   QStringLiteral("MB/s"));
            report(QStringLiteral("rtf write %1 %2").arg(kind, label), percentiles(writes).median,
                   QStringLiteral("MB/s"));
            if (!rebuilds.isEmpty()) {
                report(QStringLiteral("rtf read %1 %2, building the document alone").arg(kind, label),
                       percentiles(rebuilds).median, QStringLiteral("MB/s"));
            }
        }
    }

    if (largestPlain.isEmpty())
        return 0;
    // Opening the 10 MB document in the editor page, until its text is laid out.
    const QString path = QDir::temp().filePath(QStringLiteral("mortarix-bench-10MB.rtf"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return 1;
        file.write(largestPlain);
    }
    MainWindow window;
    window.show();
    QTextEdit *editor = window.editor()->textBox();
    QElapsedTimer timer;
    timer.start();
    const QString error = EditorFiles::loadRichText(path, editor->document());
    editor->document()->documentLayout()->documentSize();
    QCoreApplication::processEvents();
    report(QStringLiteral("open 10MB in the editor"), double(timer.nsecsElapsed()) / 1e6,
           QStringLiteral("ms"));
    QFile::remove(path);
    return error.isEmpty() ? 0 : 1;
}
