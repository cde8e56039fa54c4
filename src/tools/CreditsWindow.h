#pragma once

#include <QDialog>

// NuCredits: who wrote the program and in what.
class CreditsWindow final : public QDialog
{
    Q_OBJECT

public:
    explicit CreditsWindow(QWidget *parent = nullptr);
};
