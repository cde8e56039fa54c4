#pragma once
// A main window on a scripted desktop, with the Text Editor page's parts at hand.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "editor/EditorPage.h"
#include "shell/MainWindow.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTextCursor>
#include <QTextEdit>

using Answers = TestSupport::MessageAnswers;

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

struct Editor
{
    FakeDesktop desktop;
    MainWindow window;
    EditorPage *page = window.editor();
    QTextEdit *text = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    QLabel *label = window.findChild<QLabel *>(QStringLiteral("Label2(64)"));
    QTemporaryDir files;

    Editor() { window.show(); }
    QString path(const QString &name) const { return files.filePath(name); }
    QAction *entry(const QString &name) const { return window.menuAction(name); }
    void trigger(const QString &name) { entry(name)->trigger(); }
    void open(const QString &file) { desktop.openAnswers.enqueue(file); trigger(QStringLiteral("mnuRTFFLEOPN")); }
    void type(const QString &keys) { text->setFocus(); QTest::keyClicks(text, keys); }
    QTextCursor cursor(int from, int to) const
    {
        QTextCursor c(text->document());
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        return c;
    }
    void select(int from, int to) { text->setTextCursor(cursor(from, to)); }
    void format(int from, int to, const QTextCharFormat &f) { cursor(from, to).mergeCharFormat(f); }
    // The format of the character at `position`, as the document holds it.
    QTextCharFormat at(int position) const { return cursor(position + 1, position + 1).charFormat(); }
    QFont fontAt(int position) const { return at(position).font().resolve(text->document()->defaultFont()); }
    QColor colourAt(int position) const
    {
        const QTextCharFormat f = at(position);
        return f.hasProperty(QTextFormat::ForegroundBrush) ? f.foreground().color() : QColor(Qt::black);
    }
};

inline QTextCharFormat charFormat(bool bold, bool italic = false, bool underline = false, QColor colour = {})
{
    QTextCharFormat f;
    if (bold)
        f.setFontWeight(QFont::Bold);
    if (italic)
        f.setFontItalic(true);
    if (underline)
        f.setFontUnderline(true);
    if (colour.isValid())
        f.setForeground(colour);
    return f;
}
