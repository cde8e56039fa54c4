#include "tools/WebLink.h"

#include "core/AppInfo.h"
#include "platform/Desktop.h"
#include "tools/ToolsMessages.h"

#include <QColor>
#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QUrl>

namespace {

class PressedLook final : public QObject
{
public:
    explicit PressedLook(QLabel *label) : QObject(label), m_label(label) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_label) {
            if (event->type() == QEvent::MouseButtonPress) {
                m_label->setFrameShape(QFrame::Box);
                m_label->setLineWidth(1);
            } else if (event->type() == QEvent::MouseButtonRelease) {
                m_label->setFrameShape(QFrame::NoFrame);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLabel *m_label;
};

} // namespace

namespace WebLink {

QString linkQuestion()
{
    return QStringLiteral("This Link Will Take You To ") + AppInfo::makerWebAddress() +
           QStringLiteral(" Internet Web Site\n\nDo You Want To Continue?");
}

QString onlineHelpQuestion()
{
    return QStringLiteral("For More Information, Select The F.A.Q. Page For Online Help\n\n"
                          "This Link Will Take You To ") +
           AppInfo::makerWebAddress() + QStringLiteral(" Web Site\n\n Do You Want To Continue?");
}

bool askAndOpen(QWidget *parent, const QString &question, const QString &address)
{
    if (!ToolsMessages::askOpenWebPage(parent, question))
        return false;
    openWebPage(parent, address);
    return true;
}

void openWebPage(QWidget *parent, const QString &address)
{
    // A link caption may be a bare domain; the browser is given a complete address.
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (url.isValid() && Desktop::instance().openUrl(url))
        return;
    ToolsMessages::noBrowser(parent);
}

void showAsLink(QLabel *label)
{
    label->setCursor(Qt::PointingHandCursor);
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 0xC0));
    label->setPalette(palette);
}

void addPressedLook(QLabel *label)
{
    if (label)
        label->installEventFilter(new PressedLook(label));
}

} // namespace WebLink
