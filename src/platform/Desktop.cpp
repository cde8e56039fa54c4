#include "platform/Desktop.h"

#include "platform/QtDesktop.h"

namespace {
Desktop *g_installed = nullptr;
} // namespace

Desktop::~Desktop() = default;

Desktop &Desktop::instance()
{
    if (g_installed)
        return *g_installed;
    static QtDesktop qtDesktop;
    return qtDesktop;
}

QString Desktop::askForFileAside(QWidget *parent, const CommonDialogState &state, bool save)
{
    const CommonDialogState shared = m_commonDialog;
    m_commonDialog = state;
    const QString chosen = save ? saveFileName(parent) : openFileName(parent);
    m_commonDialog = shared;
    return chosen;
}

void Desktop::setInstance(Desktop *desktop)
{
    g_installed = desktop;
}

std::optional<Desktop::Command> Desktop::findFirstProgram(const QList<QStringList> &candidates)
{
    for (const QStringList &candidate : candidates) {
        if (candidate.isEmpty())
            continue;
        const QString path = findProgram(candidate.first());
        if (!path.isEmpty())
            return Command{path, candidate.mid(1)};
    }
    return std::nullopt;
}

namespace SystemPrograms {

QList<QStringList> displaySettings()
{
    return {{QStringLiteral("gnome-control-center"), QStringLiteral("display")},
            {QStringLiteral("systemsettings"), QStringLiteral("kcm_kscreen")},
            {QStringLiteral("xfce4-display-settings")},
            {QStringLiteral("lxqt-config-monitor")},
            {QStringLiteral("arandr")}};
}

QList<QStringList> calculator()
{
    return {{QStringLiteral("gnome-calculator")}, {QStringLiteral("kcalc")},
            {QStringLiteral("galculator")},       {QStringLiteral("mate-calc")},
            {QStringLiteral("qalculate-gtk")},    {QStringLiteral("xcalc")}};
}

QList<QStringList> systemInformation()
{
    return {{QStringLiteral("hardinfo2")},
            {QStringLiteral("hardinfo")},
            {QStringLiteral("kinfocenter")},
            {QStringLiteral("gnome-system-monitor")}};
}

} // namespace SystemPrograms
