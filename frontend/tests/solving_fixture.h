#pragma once
// Window tests of solving and creating: the real engine entry behind the fake engine library, the exchange
// directory and the current directory of the test's own, and the part the user plays in each window.

#include "engine/entry.h"
#include "frontend/kit/action_registry.h"
#include "frontend/solving.h"
#include "platform/exchange_files.h"
#include "window_fixture.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include <functional>
#include <map>

/// The entries of a list, in order.
inline QStringList entries(const QListWidget *list)
{
    QStringList out;
    for (int row = 0; row < list->count(); ++row) {
        out.append(list->item(row)->text());
    }
    return out;
}

inline void click(const QObject *window, const char *name)
{
    child<QPushButton>(window, QLatin1String(name))->click();
}

inline QString text(const QObject *window, const char *name)
{
    return child<QLabel>(window, QLatin1String(name))->text();
}

class SolvingTest : public WindowTest
{
protected:
    void resetSolving()
    {
        resetDoubles();
        exchange = std::make_unique<QTemporaryDir>();
        scratch = std::make_unique<QTemporaryDir>();
        qputenv(platform::exchangeDirVariable, exchange->path().toLocal8Bit());
        previousDir = QDir::currentPath();
        QDir::setCurrent(scratch->path());
        registry = std::make_unique<frontend::ActionRegistry>();
        frontend::registerSolving(*registry, *state, fakes->services());
        windowsRun.clear();
        sent.clear();
        // The engine as the program loads it; the request is kept as the engine found it.
        fakes->engine.entry = [this] {
            sent = readBytes(request());
            return VX_KOVALIN();
        };
        fakes->modal.onRun = [this](QDialog &dialog) {
            windowsRun.append(dialog.objectName());
            if (const auto user = play.find(dialog.objectName()); user != play.end()) {
                user->second(dialog);
            }
        };
        play.clear();
    }
    void cleanupSolving()
    {
        QDir::setCurrent(previousDir);
        qunsetenv(platform::exchangeDirVariable);
    }

    QString request() const { return exchange->filePath(QStringLiteral("TEMP_ZERO.DAT")); }
    QString answer() const { return exchange->filePath(QStringLiteral("TEMP_ZERO.OUT")); }
    /// The files left in the exchange directory.
    QStringList leftOver() const { return QDir(exchange->path()).entryList(QDir::Files); }

    std::unique_ptr<QTemporaryDir> exchange;
    std::unique_ptr<QTemporaryDir> scratch; // the current directory, where Copy writes its scratch file
    QString previousDir;
    std::unique_ptr<frontend::ActionRegistry> registry;
    /// What the user does in each modal window, by its name; a window without an entry is left as shown.
    std::map<QString, std::function<void(QDialog &)>> play;
    QStringList windowsRun;
    QByteArray sent;
};
