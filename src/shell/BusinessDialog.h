#pragma once

#include "core/BusinessDetails.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

// frmBusiness: who is quoting, entered once per user and printed on every estimate.
class BusinessDialog final : public QDialog
{
    Q_OBJECT

public:
    BusinessDialog(const BusinessDetails &details, QWidget *parent);

    // The details as shown. A logo chosen but not yet stored (before OK) is not among them.
    BusinessDetails details() const;

    // Shows the dialog on `details`; the edited details after OK (a newly chosen logo already
    // copied to the data folder), nothing after Cancel.
    static std::optional<BusinessDetails> edit(QWidget *parent, const BusinessDetails &details);
    // Edits the stored details and stores them again after OK; a store that cannot be written is
    // reported. True when edited and saved.
    static bool editStored(QWidget *parent);

    // Refuses a wrong tax rate or a logo that cannot be stored, and stays open.
    void accept() override;

private:
    QLineEdit *newLine(const QString &name, const QString &text);
    QPlainTextEdit *newText(const QString &name, const QString &text);
    void chooseLogo();
    void clearLogo();
    void showLogo(const QString &path);

    BusinessDetails m_details;
    // A file chosen with cmdLogo, copied on OK; empty when the logo is m_details.logoPath.
    QString m_chosenLogo;

    QLineEdit *m_name = nullptr;
    QPlainTextEdit *m_address = nullptr;
    QLineEdit *m_phone = nullptr;
    QLineEdit *m_email = nullptr;
    QLineEdit *m_licence = nullptr;
    QLineEdit *m_taxRate = nullptr;
    QSpinBox *m_validDays = nullptr;
    QPlainTextEdit *m_terms = nullptr;
    QCheckBox *m_materialList = nullptr;
    QLabel *m_logo = nullptr;
    QPushButton *m_clearLogo = nullptr;
};
