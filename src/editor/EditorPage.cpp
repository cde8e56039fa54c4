#include "editor/EditorPage.h"

#include <QGroupBox>
#include <QVBoxLayout>

EditorPage::EditorPage(QGroupBox *frame) : QWidget(frame)
{
    setObjectName(QStringLiteral("EditorContent"));
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->addWidget(this);
}

bool EditorPage::hasText() const
{
    return false;
}

EditorPage::ExitSave EditorPage::SaveEditorOnExit()
{
    return ExitSave::Saved;
}
