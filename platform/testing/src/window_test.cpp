#include "platform/testing/window_test.h"

#include "platform/testing/catalogue_audit.h"
#include "platform/testing/window_test_main.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace platform::testing
{

void WindowTest::resetDoubles()
{
    fakes = std::make_unique<FakeServices>();
    watchdog = std::make_unique<ModalWatchdog>();
}

bool WindowTest::endedClean() const
{
    return watchdog->intruders().isEmpty() && fakes->messages.unscripted == 0;
}

bool showActive(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

QStringList shownTexts(const RecordingMessageService &messages)
{
    QStringList out;
    for (const Message &message : messages.shown) {
        out.append(message.text);
    }
    return out;
}

QString writeFile(const QTemporaryDir &dir, const QByteArray &bytes, QString path)
{
    static int count = 0;
    if (path.isEmpty()) {
        path = dir.filePath(QStringLiteral("file%1.txt").arg(++count));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write(bytes);
    return path;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

int runWindowTests(int argc, char *argv[], const std::function<std::unique_ptr<QObject>()> &makeTest)
{
    // Offscreen unless the environment chose another platform; its screen is a desktop's, not the plugin's
    // small default, on which larger fonts would make windows open squeezed.
    const QByteArray platformName = qgetenv("QT_QPA_PLATFORM");
    if (platformName.isEmpty() || platformName == "offscreen") {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen:configfile=") + KOVALIN_OFFSCREEN_CONFIG);
    }
    QApplication application(argc, argv);
    QApplication::setAttribute(Qt::AA_Use96Dpi, true);
    const ModalWatchdog watchdog;
    CatalogueAudit audit(QStringLiteral(KOVALIN_TEST_CATALOGUE), qEnvironmentVariable("KOVALIN_LOOKUP_LOG"));
    QCoreApplication::installTranslator(&audit);
    const std::unique_ptr<QObject> test = makeTest();
    const int failed = QTest::qExec(test.get(), argc, argv);
    QCoreApplication::removeTranslator(&audit);
    if (!watchdog.intruders().isEmpty()) {
        qWarning("real modal windows appeared during the run: %s", qPrintable(watchdog.intruders().join(u", ")));
        return failed == 0 ? 1 : failed;
    }
    if (!audit.missing().isEmpty()) {
        qWarning("texts looked up that the translation template lacks (context, text):\n%s",
            qPrintable(audit.missing().join(QLatin1Char('\n'))));
        return failed == 0 ? 1 : failed;
    }
    return failed;
}

} // namespace platform::testing
