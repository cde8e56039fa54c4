#include "shell/FactorsDialog.h"

#include "shell/FormDialog.h"
#include "shell/ShellMessages.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

namespace {

// Room for the longest sensible entry (a four-decimal fraction of a large bag count) and no more.
constexpr int kMaxTextLength = 20;

} // namespace

FactorsDialog::FactorsDialog(const MaterialFactors &factors, QWidget *parent)
    : QDialog(parent), m_factors(factors)
{
    setObjectName(QStringLiteral("frmFactors"));
    setWindowTitle(QStringLiteral("Material Factors"));
    auto *form = new QFormLayout;
    for (const MaterialFactors::Field &field : MaterialFactors::fields()) {
        QLineEdit *line = FormDialog::newLine(this, QLatin1String(field.key), QString(), kMaxTextLength);
        auto *row = new QHBoxLayout;
        row->addWidget(line);
        row->addWidget(new QLabel(QLatin1String(field.unit), this));
        row->addStretch();
        form->addRow(QLatin1String(field.caption) + u':', row);
        m_lines.append(line);
    }
    showFactors(factors);

    auto *restore = new QPushButton(QStringLiteral("&Restore Defaults"), this);
    restore->setObjectName(QStringLiteral("cmdRestoreDefaults"));
    // Only the fields change; the store keeps its values until OK.
    connect(restore, &QPushButton::clicked, this, [this] { showFactors(MaterialFactors::defaults()); });
    FormDialog::finish(this, form, 480)->addButton(restore, QDialogButtonBox::ResetRole);
}

void FactorsDialog::showFactors(const MaterialFactors &factors)
{
    const QList<MaterialFactors::Field> &fields = MaterialFactors::fields();
    for (qsizetype i = 0; i < fields.size(); ++i)
        m_lines[i]->setText(MaterialFactors::amountText(factors.*fields[i].member));
}

void FactorsDialog::accept()
{
    const QList<MaterialFactors::Field> &fields = MaterialFactors::fields();
    MaterialFactors typed = m_factors;
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const MaterialFactors::Field &field = fields[i];
        const std::optional<MaterialFactors::Amount> value = MaterialFactors::readAmount(m_lines[i]->text());
        if (value && field.accepts(*value)) {
            typed.*field.member = *value;
            continue;
        }
        // A message box's loop may outlive the dialog (its parent closing under it).
        const QPointer<FactorsDialog> self(this);
        ShellMessages::factorRefused(this, QLatin1String(field.caption),
                                     MaterialFactors::amountText(field.minimum),
                                     MaterialFactors::amountText(field.maximum), QLatin1String(field.unit));
        if (self) {
            m_lines[i]->setFocus();
            m_lines[i]->selectAll();
        }
        return;
    }
    m_factors = typed;
    QDialog::accept();
}

std::optional<MaterialFactors> FactorsDialog::edit(QWidget *parent, const MaterialFactors &factors)
{
    return FormDialog::edit(parent, factors, &FactorsDialog::factors);
}

bool FactorsDialog::editStored(QWidget *parent)
{
    return FormDialog::editStored<FactorsDialog, MaterialFactors>(parent, QStringLiteral("material factors"));
}
