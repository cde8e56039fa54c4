// A settings file of any content loads without a crash, and bad values leave the designed states.
#include "FuzzSupport.h"

#include "shell/MainWindow.h"
#include "shell/StoredControls.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QRadioButton>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = SettingsStore::filePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), static_cast<qint64>(size));
    }
    // What a running program would do between inputs: deliver posted events and deferred
    // deletions, which otherwise pile up without an event loop.
    struct Flush {
        ~Flush()
        {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    } flush;
    MainWindow window;
    // Whatever was stored, the block and bar sizes start cleared and each choice group keeps at
    // most one selection.
    for (const char *name : {"BLCKopt(0)", "BLCKopt(1)", "Option3(0)", "Option3(4)"}) {
        auto *option = window.findChild<QRadioButton *>(QLatin1String(name));
        if (option && option->isChecked())
            __builtin_trap();
    }
    for (const char *array : {"Option1", "Option2", "rbropt_visible"}) {
        int selected = 0;
        for (int i = 0; i < 6; ++i) {
            auto *option =
                window.findChild<QRadioButton *>(QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(i));
            selected += option && option->isChecked();
        }
        if (selected > 1)
            __builtin_trap();
    }
    return 0;
}
