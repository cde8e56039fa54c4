#pragma once
// A main window on a scripted desktop, with the Text Editor page's parts at hand.
#include "support/FakeDesktop.h"
#include "support/TestSupport.h"

#include "editor/EditorPage.h"
#include "shell/MainWindow.h"

#include <QtWidgets>

using Answers = TestSupport::MessageAnswers;
using TestSupport::readFile, TestSupport::summary, TestSupport::writeFile;

inline QStringList filesIn(const QString &folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden); }
inline QString face(const QFont &f) { return QString("%1 %2 %3").arg(f.family()).arg(f.pointSizeF()).arg(f.weight()); }

struct Editor
{
    FakeDesktop desktop;
    MainWindow window;
    EditorPage *page = window.editor();
    QTextEdit *text = window.findChild<QTextEdit *>(QStringLiteral("RichTextBox1"));
    QLabel *label = window.findChild<QLabel *>(QStringLiteral("Label2(64)"));
    QTemporaryDir files;

    Editor() { window.show(); }
    explicit Editor(const QString &plain) : Editor() { text->setPlainText(plain); }
    QString path(const QString &name) const { return files.filePath(name); }
    void trigger(const QString &entry) { window.menuAction(entry)->trigger(); }
    void open(const QString &file) { desktop.openAnswers.enqueue(file); trigger(QStringLiteral("mnuRTFFLEOPN")); }
    void type(const QString &keys) { text->setFocus(); QTest::keyClicks(text, keys); }
    QTextCursor cursor(int from, int to) const
    {
        QTextCursor cursor(text->document());
        cursor.setPosition(from);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        return cursor;
    }
    void select(int from, int to) { text->setTextCursor(cursor(from, to)); }
    void format(int from, int to, const QTextCharFormat &format) { cursor(from, to).mergeCharFormat(format); }
    QTextCharFormat at(int i) const { return cursor(i + 1, i + 1).charFormat(); }
    QFont fontAt(int i) const { return at(i).font().resolve(text->document()->defaultFont()); }
    QColor colourAt(int i) const { return at(i).foreground().color(); } // an unset brush is black
};

inline QTextCharFormat charFormat(bool bold, bool italic, bool underline)
{
    QTextCharFormat format;
    if (bold) format.setFontWeight(QFont::Bold);
    if (italic) format.setFontItalic(true);
    if (underline) format.setFontUnderline(true);
    return format;
}
