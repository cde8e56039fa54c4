#include "shell/FormDialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace FormDialog {

QLineEdit *newLine(QWidget *parent, const QString &name, const QString &text, int maxLength)
{
    auto *line = new QLineEdit(text, parent);
    line->setObjectName(name);
    line->setMaxLength(maxLength);
    return line;
}

QDialogButtonBox *finish(QDialog *dialog, QFormLayout *form, int width)
{
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    auto *column = new QVBoxLayout(dialog);
    column->addLayout(form);
    column->addWidget(buttons);
    dialog->resize(width, dialog->sizeHint().height());
    return buttons;
}

} // namespace FormDialog
