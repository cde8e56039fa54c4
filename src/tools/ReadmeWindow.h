#pragma once

#include <QDialog>
#include <QStringList>

// frmReadme: readme.txt from the program folder, shown whole. Where the file cannot be read the
// window says so in place of the text.
class ReadmeWindow final : public QDialog
{
    Q_OBJECT

public:
    // Looks for readme.txt in `folders`, in order.
    explicit ReadmeWindow(QWidget *parent = nullptr, const QStringList &folders = programFolders());

    // The program folder, then the installed data folder beside it (../share/mortarix).
    static QStringList programFolders();
    // `folder` with a trailing separator, added only when it has none.
    static QString withTrailingSeparator(const QString &folder);
};
