#pragma once

#include "core/MaterialFactors.h"

#include <QDialog>
#include <QList>

#include <optional>

class QLineEdit;

// frmFactors: the waste allowances, bag yields, bar lengths and mortar and grout yields the
// calculators buy by, set once per user.
class FactorsDialog final : public QDialog
{
    Q_OBJECT

public:
    FactorsDialog(const MaterialFactors &factors, QWidget *parent);

    // The factors as last accepted; those the dialog opened on until OK succeeds.
    MaterialFactors factors() const { return m_factors; }

    // Shows the dialog on `factors`; the edited factors after OK, nothing after Cancel.
    static std::optional<MaterialFactors> edit(QWidget *parent, const MaterialFactors &factors);
    // Edits the stored factors and stores them again after OK; a store that cannot be written is
    // reported. True when edited and saved.
    static bool editStored(QWidget *parent);

    // Refuses a field that is no number or out of its range, and stays open on it.
    void accept() override;

private:
    void showFactors(const MaterialFactors &factors);

    MaterialFactors m_factors;
    // In the order of MaterialFactors::fields().
    QList<QLineEdit *> m_lines;
};
