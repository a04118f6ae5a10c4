// The file dialogs as the user meets them: where they open, and the ".txt" a save adds to a bare name. The
// real dialog (Qt's own, never the desktop's) is driven with key presses from a timer.

#include "platform/dialog_folders.h"
#include "platform/file_dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using platform::DialogFolders;
using platform::FileDialogRequest;

namespace
{

const QString textFilter = u"Text Files (*.txt)"_s;
const QString allFilter = u"All Files (*)"_s;

FileDialogRequest saveRequest()
{
    return { u"Save Equation Coefficients"_s, textFilter + u";;"_s + allFilter, QString(), true, u"txt"_s };
}

FileDialogRequest openRequest()
{
    return { u"Open"_s, textFilter + u";;"_s + allFilter, QString(), false, QString() };
}

void touch(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

/// Plays the user's part in the next file dialog once it is up; a dialog nobody played is cancelled.
void whenTheDialogOpens(const std::function<void(QFileDialog &)> &play)
{
    QTimer::singleShot(0, qApp, [play] {
        QFileDialog *dialog = nullptr;
        const bool shown = QTest::qWaitFor([&dialog] {
            dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            return dialog && dialog->isVisible();
        });
        if (!shown) {
            QFAIL("no file dialog appeared");
        }
        play(*dialog);
        if (dialog->isVisible()) {
            dialog->reject();
        }
    });
}

/// Types `name` into the dialog's name box and presses Return, as the user accepts.
void typeAndAccept(QFileDialog &dialog, const QString &name)
{
    auto *box = dialog.findChild<QLineEdit *>(u"fileNameEdit"_s);
    QVERIFY(box);
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, name);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

class FileDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs); }

    void theSamplesAreFoundBesideTheProgramOrUnderItsPrefix()
    {
        QTemporaryDir root;
        const QString program = root.filePath(u"bin"_s);
        QDir().mkpath(program);
        QCOMPARE(platform::samplesFolderBeside(program), QString());
        touch(root.filePath(u"share/kovalin/Help/Sample.txt"_s));
        QCOMPARE(platform::samplesFolderBeside(program), root.filePath(u"share/kovalin/Help"_s));
        touch(root.filePath(u"bin/Help/Sample.txt"_s));
        QCOMPARE(platform::samplesFolderBeside(program), root.filePath(u"bin/Help"_s));
    }

    void theInstructionsNameTheSamplesWhereTheyAre()
    {
        // As built, the samples lie beside the programs (and the tests).
        const QString beside = QDir(QCoreApplication::applicationDirPath()).filePath(u"Help"_s);
        QCOMPARE(platform::samplesFolder(), beside);
        QCOMPARE(platform::samplePath(u"Sample2.txt"_s), QDir::toNativeSeparators(beside + u"/Sample2.txt"_s));
        QVERIFY(QFileInfo(platform::samplePath(u"Sample2.txt"_s)).isFile());
    }

    void dialogsStartInTheLastFoldersChosen()
    {
        DialogFolders folders(u"/usr/share/kovalin/Help"_s);
        QCOMPARE(folders.openFolder(), u"/usr/share/kovalin/Help"_s);
        QCOMPARE(folders.saveFolder(), QString());
        folders.chosen(u"/home/user/equations/quadratic.txt"_s);
        QCOMPARE(folders.openFolder(), u"/home/user/equations"_s);
        QCOMPARE(folders.saveFolder(), u"/home/user/equations"_s);
    }

    void aBareNameGetsTheTextSuffixOnlyUnderTheTextFilter_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("saved");
        QTest::newRow("bare") << u"/tmp/myeq"_s << textFilter << u"/tmp/myeq.txt"_s;
        QTest::newRow("own suffix") << u"/tmp/myeq.dat"_s << textFilter << u"/tmp/myeq.dat"_s;
        QTest::newRow("already text") << u"/tmp/myeq.txt"_s << textFilter << u"/tmp/myeq.txt"_s;
        QTest::newRow("ends in a dot") << u"/tmp/myeq."_s << textFilter << u"/tmp/myeq."_s;
        QTest::newRow("dotted folder") << u"/tmp/v1.2/myeq"_s << textFilter << u"/tmp/v1.2/myeq.txt"_s;
        QTest::newRow("all files") << u"/tmp/myeq"_s << allFilter << u"/tmp/myeq"_s;
    }
    void aBareNameGetsTheTextSuffixOnlyUnderTheTextFilter()
    {
        QFETCH(QString, typed);
        QFETCH(QString, filter);
        QFETCH(QString, saved);
        QCOMPARE(platform::withDefaultSuffix(typed, filter, saveRequest()), saved);
        FileDialogRequest noSuffix = saveRequest();
        noSuffix.defaultSuffix.clear();
        QCOMPARE(platform::withDefaultSuffix(typed, filter, noSuffix), typed);
    }

    void theRealDialogsAddTheSuffixAndRememberTheFolder()
    {
        QTemporaryDir samples;
        QTemporaryDir work;
        touch(samples.filePath(u"Sample.txt"_s));
        platform::QtFileDialogs dialogs { DialogFolders(samples.path()) };

        QString startedIn;
        whenTheDialogOpens([&startedIn](QFileDialog &dialog) {
            startedIn = dialog.directory().absolutePath();
            dialog.reject();
        });
        QVERIFY(!dialogs.openFile(nullptr, openRequest()));
        QCOMPARE(startedIn, QDir(samples.path()).absolutePath());

        whenTheDialogOpens([&work](QFileDialog &dialog) {
            dialog.setDirectory(work.path());
            typeAndAccept(dialog, u"myeq"_s);
        });
        QCOMPARE(dialogs.saveFile(nullptr, saveRequest()).value_or(QString()), work.filePath(u"myeq.txt"_s));

        // Under "All Files", chosen from the list with the keyboard, the name stays as typed.
        whenTheDialogOpens([&startedIn](QFileDialog &dialog) {
            startedIn = dialog.directory().absolutePath();
            auto *types = dialog.findChild<QComboBox *>(u"fileTypeCombo"_s);
            QVERIFY(types);
            types->setFocus();
            QTest::keyClick(types, Qt::Key_Down);
            QCOMPARE(dialog.selectedNameFilter(), allFilter);
            typeAndAccept(dialog, u"plain"_s);
        });
        QCOMPARE(dialogs.saveFile(nullptr, saveRequest()).value_or(QString()), work.filePath(u"plain"_s));
        QCOMPARE(startedIn, QDir(work.path()).absolutePath());

        // The next open starts where the last file was chosen.
        whenTheDialogOpens([&startedIn](QFileDialog &dialog) {
            startedIn = dialog.directory().absolutePath();
            dialog.reject();
        });
        QVERIFY(!dialogs.openFile(nullptr, openRequest()));
        QCOMPARE(startedIn, QDir(work.path()).absolutePath());
    }
};

QTEST_MAIN(FileDialogsTest)
#include "file_dialogs_test.moc"
