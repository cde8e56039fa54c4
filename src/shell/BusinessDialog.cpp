#include "shell/BusinessDialog.h"

#include "platform/Desktop.h"
#include "shell/FormDialog.h"
#include "shell/ShellMessages.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QSize kLogoBox(160, 80);

// The picture scaled to fit the preview box; null when it does not load. Scaled while reading, so
// an SVG is drawn sharp at the preview's size.
QPixmap logoPreview(const QString &path)
{
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid() && !size.isEmpty())
        reader.setScaledSize(size.scaled(kLogoBox, Qt::KeepAspectRatio));
    return QPixmap::fromImage(reader.read());
}

} // namespace

BusinessDialog::BusinessDialog(const BusinessDetails &details, QWidget *parent)
    : QDialog(parent), m_details(details)
{
    setObjectName(QStringLiteral("frmBusiness"));
    setWindowTitle(QStringLiteral("Business Details"));
    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Business &name:"),
                 m_name = newLine(QStringLiteral("txtBusinessName"), details.name));
    form->addRow(QStringLiteral("&Address:"),
                 m_address = newText(QStringLiteral("txtBusinessAddress"), details.address));
    form->addRow(QStringLiteral("&Phone:"),
                 m_phone = newLine(QStringLiteral("txtBusinessPhone"), details.phone));
    form->addRow(QStringLiteral("&E-mail:"),
                 m_email = newLine(QStringLiteral("txtBusinessEmail"), details.email));
    form->addRow(QStringLiteral("&Licence number:"),
                 m_licence = newLine(QStringLiteral("txtLicence"), details.licence));
    form->addRow(QStringLiteral("&Tax rate on material (%):"),
                 m_taxRate = newLine(QStringLiteral("txtTaxRate"), details.taxRate));
    m_validDays = new QSpinBox(this);
    m_validDays->setObjectName(QStringLiteral("txtValidDays"));
    m_validDays->setRange(1, BusinessDetails::kMaxValidDays);
    m_validDays->setValue(details.validDays);
    form->addRow(QStringLiteral("Estimates &valid for (days):"), m_validDays);
    form->addRow(QStringLiteral("Te&rms:"), m_terms = newText(QStringLiteral("txtTerms"), details.terms));

    m_logo = new QLabel(this);
    m_logo->setObjectName(QStringLiteral("lblLogo"));
    m_logo->setFixedSize(kLogoBox);
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->setFrameShape(QFrame::StyledPanel);
    auto *chooseButton = new QPushButton(QStringLiteral("&Logo . . ."), this);
    chooseButton->setObjectName(QStringLiteral("cmdLogo"));
    connect(chooseButton, &QPushButton::clicked, this, &BusinessDialog::chooseLogo);
    m_clearLogo = new QPushButton(QStringLiteral("&Clear Logo"), this);
    m_clearLogo->setObjectName(QStringLiteral("cmdClearLogo"));
    connect(m_clearLogo, &QPushButton::clicked, this, &BusinessDialog::clearLogo);
    auto *logoButtons = new QVBoxLayout;
    logoButtons->addWidget(chooseButton);
    logoButtons->addWidget(m_clearLogo);
    logoButtons->addStretch();
    auto *logoRow = new QHBoxLayout;
    logoRow->addWidget(m_logo);
    logoRow->addLayout(logoButtons);
    logoRow->addStretch();
    form->addRow(QStringLiteral("Logo:"), logoRow);
    showLogo(details.logoPath);
    m_materialList = new QCheckBox(QStringLiteral("Add the &material list to estimates"), this);
    m_materialList->setObjectName(QStringLiteral("chkMaterialList"));
    m_materialList->setChecked(details.addMaterialList);
    form->addRow(QString(), m_materialList);

    FormDialog::finish(this, form, 460);
}

QLineEdit *BusinessDialog::newLine(const QString &name, const QString &text)
{
    return FormDialog::newLine(this, name, text, BusinessDetails::kMaxLength);
}

QPlainTextEdit *BusinessDialog::newText(const QString &name, const QString &text)
{
    auto *edit = new QPlainTextEdit(text, this);
    edit->setObjectName(name);
    edit->setTabChangesFocus(true);
    // Room for an address of four lines without scrolling.
    edit->setFixedHeight(edit->fontMetrics().lineSpacing() * 4 + 2 * edit->frameWidth() +
                         int(2 * edit->document()->documentMargin()));
    return edit;
}

BusinessDetails BusinessDialog::details() const
{
    BusinessDetails details;
    details.name = m_name->text();
    details.address = m_address->toPlainText().left(BusinessDetails::kMaxTextLength);
    details.phone = m_phone->text();
    details.email = m_email->text();
    details.licence = m_licence->text();
    details.taxRate = m_taxRate->text().trimmed();
    details.validDays = m_validDays->value();
    details.terms = m_terms->toPlainText().left(BusinessDetails::kMaxTextLength);
    details.logoPath = m_details.logoPath;
    details.addMaterialList = m_materialList->isChecked();
    return details;
}

void BusinessDialog::chooseLogo()
{
    Desktop &desktop = Desktop::instance();
    const QString folder =
        m_chosenLogo.isEmpty() ? desktop.documentsFolder() : QFileInfo(m_chosenLogo).absolutePath();
    const QString chosen = desktop.askForFileAside(
        this,
        {QString(), QStringLiteral("Choose a Logo"),
         QStringLiteral("Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg"), 1, folder, false,
         true},
        false);
    if (chosen.isEmpty())
        return;
    m_chosenLogo = chosen;
    showLogo(chosen);
}

void BusinessDialog::clearLogo()
{
    m_chosenLogo.clear();
    m_details.logoPath.clear();
    showLogo({});
}

void BusinessDialog::showLogo(const QString &path)
{
    m_clearLogo->setEnabled(!path.isEmpty());
    if (path.isEmpty()) {
        m_logo->setPixmap({});
        m_logo->setText(QStringLiteral("(no logo)"));
        return;
    }
    const QPixmap picture = logoPreview(path);
    if (picture.isNull()) {
        m_logo->setPixmap({});
        m_logo->setText(QStringLiteral("(cannot be shown)"));
    } else {
        m_logo->setPixmap(picture);
    }
}

void BusinessDialog::accept()
{
    // A message box's loop may outlive the dialog (its parent closing under it).
    const QPointer<BusinessDialog> self(this);
    if (const QString problem = BusinessDetails::taxRateProblem(m_taxRate->text()); !problem.isEmpty()) {
        ShellMessages::businessFieldRefused(this, problem);
        if (self) {
            m_taxRate->setFocus();
            m_taxRate->selectAll();
        }
        return;
    }
    if (!m_chosenLogo.isEmpty()) {
        const BusinessDetails::StoredLogo stored = BusinessDetails::storeLogo(m_chosenLogo);
        if (!stored.error.isEmpty()) {
            ShellMessages::logoNotStored(this, stored.error);
            return;
        }
        m_details.logoPath = stored.path;
        m_chosenLogo.clear();
    }
    QDialog::accept();
}

std::optional<BusinessDetails> BusinessDialog::edit(QWidget *parent, const BusinessDetails &details)
{
    return FormDialog::edit(parent, details, &BusinessDialog::details);
}

bool BusinessDialog::editStored(QWidget *parent)
{
    return FormDialog::editStored<BusinessDialog, BusinessDetails>(parent,
                                                                   QStringLiteral("business details"));
}
