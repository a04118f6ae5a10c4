#include "analysis_fixture.h"
#include "platform/testing/file_size_limit.h"
#include "platform/testing/window_test_main.h"
#include "tools/analysis/frm_table.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QDir>
#include <QDrag>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QMimeData>
#include <QRadioButton>

using namespace analysis_test;
using namespace Qt::StringLiterals;
using tools::analysis::FrmTableNew;

namespace
{

const QString tableInputError =
    inputError(u"There is an input error in the information used to create the table of values."_s);
const QString wholeNumbers = u"The 'x' values under this selection must be whole numbers."_s;

/// A clipboard that also notes whether the busy cursor was showing when the text arrived.
class CursorNotingClipboard final : public platform::Clipboard
{
public:
    void setText(const QString &value) override
    {
        text = value;
        const QCursor *cursor = QGuiApplication::overrideCursor();
        busy = cursor && cursor->shape() == Qt::WaitCursor;
    }
    void setImage(const QImage &) override { }

    QString text;
    bool busy = false;
};

/// What the table window showed while it was open.
struct Shown {
    QString caption;
    QString function;
    QStringList rows;
    int rowCount = 0;
};

Shown look(QDialog &table)
{
    const QAbstractItemModel &model = *child<QListView>(&table, u"lstTable"_s)->model();
    Shown shown { table.windowTitle(), text(&table, "txtFunction"), {}, model.rowCount() };
    for (int i = 0; i < std::min(100, model.rowCount()); ++i) {
        shown.rows.append(model.index(i, 0).data().toString());
    }
    return shown;
}

} // namespace

class FrmTableTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        clipboard.text.clear();
        clipboard.busy = false;
        QVERIFY(scratchDir.isValid());
        previousDir = QDir::currentPath();
        QDir::setCurrent(scratchDir.path()); // Copy's scratch file goes to the current folder
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
        QDir::setCurrent(previousDir);
    }

    void optionsSwitchTheirBoxes()
    {
        open({ "1", "1" });
        QCOMPARE(window->windowTitle(), u"Kovalin - Table of Values - [Create New Table]"_s);
        QVERIFY(child<QRadioButton>(window.get(), u"optIntervalOne"_s)->isChecked());
        const auto enabled = [this](const char *name) {
            return box(window.get(), name)->isEnabled();
        };
        QVERIFY(enabled("txtOneFirst") && enabled("txtOneLast"));
        QVERIFY(!enabled("txtUserFirst") && !enabled("txtUserInterval") && !enabled("txtUserTotal"));
        QVERIFY(box(window.get(), "txtOneFirst")->hasFocus());
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optIntervalUser"_s), Qt::LeftButton);
        QVERIFY(!enabled("txtOneFirst") && !enabled("txtOneLast"));
        QVERIFY(enabled("txtUserFirst") && enabled("txtUserInterval") && enabled("txtUserTotal"));
        QCOMPARE(box(window.get(), "txtUserFirst")->palette().color(QPalette::Base),
            window->palette().color(QPalette::Base));
        QCOMPARE(box(window.get(), "txtOneFirst")->palette().color(QPalette::Base),
            window->palette().color(QPalette::Button));
    }

    void wholeNumbersMakeOneRowEach()
    {
        open({ "0", "0", "1" });
        type({ { "txtOneFirst", "1" }, { "txtOneLast", "3" } });
        const Shown shown = create();
        QCOMPARE(shown.caption, u"Kovalin - Table of Values - [Created]"_s);
        QCOMPARE(shown.function, u"y = (1)*x^2 + (0)*x^1 + (0)"_s);
        QCOMPARE(shown.rows, (QStringList { u"x\ty"_s, QString(), u"1\t1"_s, u"2\t4"_s, u"3\t9"_s }));
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Close"_s);
    }

    void returnCreatesAndEscapeCancels()
    {
        open({ "0", "0", "1" });
        type({ { "txtOneFirst", "1" }, { "txtOneLast", "3" } });
        QCOMPARE(returnAndLook<Shown>(fakes->modal, window.get(), "txtOneLast", look).rows.last(), u"3\t9"_s);
        QVERIFY(window->isVisible());
        expectEscapeCancels(*window);
    }

    void userRunsEndOnTheirLastValue()
    {
        open({ "0", "1" });
        selectUser({ "0", "0.1", "11" });
        const Shown shown = create();
        QCOMPARE(shown.rowCount, 13);
        QCOMPARE(shown.rows.last(), u"1\t1"_s);
    }

    void complexRowsShowBothParts()
    {
        setComplex(*state, { "1", "1" }, { "-1", "2" });
        show();
        type({ { "txtOneFirst", "0" }, { "txtOneLast", "1" } });
        QCOMPARE(create().rows.mid(2), (QStringList { u"0\t(1) + (-1)i"_s, u"1\t(2) + (1)i"_s }));
    }

    void refusals_data()
    {
        QTest::addColumn<bool>("user");
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<QString>("focus");
        QTest::newRow("fractional first")
            << false << QStringList { u"1.5"_s, u"3"_s } << QStringList { wholeNumbers } << u"txtOneFirst"_s;
        QTest::newRow("fraction form") << false << QStringList { u"1"_s, u"3/1"_s } << QStringList { wholeNumbers }
                                       << u"txtOneLast"_s;
        QTest::newRow("empty first") << false << QStringList { QString(), u"3"_s } << QStringList { wholeNumbers }
                                     << u"txtOneFirst"_s;
        QTest::newRow("first not below last")
            << false << QStringList { u"3"_s, u"1"_s }
            << QStringList { u"The value of the last 'x' value must be greater than the value of the first."_s }
            << u"txtOneLast"_s;
        QTest::newRow("endless run")
            << false << QStringList { u"-1E300"_s, u"1E300"_s }
            << QStringList { u"A table of values can hold no more than 10,000,000 'x' values."_s } << u"txtOneLast"_s;
        QTest::newRow("empty interval") << true << QStringList { u"0"_s, QString(), u"11"_s }
                                        << QStringList { tableInputError } << u"txtUserInterval"_s;
        QTest::newRow("total divides by zero") << true << QStringList { u"0"_s, u"1"_s, u"4/0"_s }
                                               << QStringList { divisionByZero, tableInputError } << u"txtUserTotal"_s;
        QTest::newRow("fractional total")
            << true << QStringList { u"0"_s, u"1"_s, u"2.5"_s }
            << QStringList { u"The total number of 'x' values must be a positive integer."_s } << u"txtUserTotal"_s;
        QTest::newRow("zero interval") << true << QStringList { u"0"_s, u"0"_s, u"5"_s }
                                       << QStringList { u"The interval between 'x' values must not be zero."_s }
                                       << u"txtUserInterval"_s;
        QTest::newRow("junk first") << true << QStringList { u"one"_s, u"1"_s, u"5"_s }
                                    << QStringList { tableInputError } << u"txtUserFirst"_s;
    }

    void refusals()
    {
        QFETCH(bool, user);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, messages);
        QFETCH(QString, focus);
        open({ "1", "1" });
        if (user) {
            selectUser({ qPrintable(texts[0]), qPrintable(texts[1]), qPrintable(texts[2]) });
        } else {
            box(window.get(), "txtOneFirst")->setText(texts[0]);
            box(window.get(), "txtOneLast")->setText(texts[1]);
        }
        click(window.get(), "btnCreate");
        checkRefused(*fakes, window.get(), messages, false, focus);
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Cancel"_s);
    }

    void anOverflowingRowShowsNoTable()
    {
        open({ "0", "0", "1" });
        selectUser({ "1", "1E154", "3" }); // the last x, 2E154, squares beyond the largest double
        click(window.get(), "btnCreate");
        QCOMPARE(shownTexts(fakes->messages), QStringList { overflow });
        QCOMPARE(fakes->messages.shown[0].title, u"Input Error - Overflow"_s);
        QVERIFY(fakes->modal.shownWindows.isEmpty());
        QCOMPARE(child<QPushButton>(window.get(), u"btnCancel"_s)->text(), u"Cancel"_s);
    }

    void copyPassesThroughTheScratchFileUnderTheBusyCursor()
    {
        open({ "1", "2" });
        type({ { "txtOneFirst", "1" }, { "txtOneLast", "2" } });
        fakes->modal.onRun = [](QDialog &table) {
            auto *list = child<QListView>(&table, u"lstTable"_s);
            click(&table, "btnSelectAll");
            QCOMPARE(list->selectionModel()->selectedRows().size(), list->model()->rowCount());
            click(&table, "btnCopy");
            click(&table, "btnClose");
        };
        click(window.get(), "btnCreate");
        QCOMPARE(clipboard.text, u"y = (2)*x^1 + (1)\r\n\r\nx\ty\r\n\r\n1\t3\r\n2\t5\r\n"_s);
        QVERIFY(clipboard.busy);
        QVERIFY(!QGuiApplication::overrideCursor());
        QVERIFY(!QFile::exists(scratchDir.filePath(u"CopyTemp.tmp"_s)));
    }

    void aScratchFileThatCannotBeCreatedIsToldAndTheWindowStaysOpen()
    {
        QVERIFY(QDir(scratchDir.path()).mkdir(u"CopyTemp.tmp"_s)); // a folder where the file should go
        open({ "1", "2" });
        type({ { "txtOneFirst", "1" }, { "txtOneLast", "2" } });
        bool stillOpen = false;
        fakes->modal.onRun = [&stillOpen](QDialog &table) {
            click(&table, "btnCopy");
            stillOpen = table.isVisible();
            click(&table, "btnClose");
        };
        click(window.get(), "btnCreate");
        QVERIFY(QDir(scratchDir.path()).rmdir(u"CopyTemp.tmp"_s));
        QVERIFY(stillOpen);
        QVERIFY(clipboard.text.isEmpty());
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].title, u"Copy Table of Values"_s);
        QVERIFY(fakes->messages.shown[0].text.startsWith(
            u"The table of values could not be copied, because the scratch file \"CopyTemp.tmp\" could not be "
            "created in the folder:\n"_s));
    }

    void saveWritesTheWholeTableAsCsv()
    {
        open({ "0.5", "0", "1" });
        selectUser({ "0", "0.1", "4" });
        const QString typed = scratchDir.filePath(u"values"_s); // no suffix typed
        fakes->fileDialogs.saveAnswers = { typed };
        fakes->modal.onRun = [](QDialog &table) {
            click(&table, "btnSave");
            click(&table, "btnClose");
        };
        click(window.get(), "btnCreate");
        QCOMPARE(fakes->fileDialogs.saveRequests.constLast().filter, u"CSV Files (*.csv)"_s);
        // x^2 + 0.5 at 0, 0.1, 0.2, 0.30000000000000004: every double as it is, whatever the display shows.
        QCOMPARE(readBytes(typed + u".csv"_s),
            QByteArray("x,y\r\n0,0.5\r\n0.1,0.51\r\n0.2,0.54\r\n0.30000000000000004,0.5900000000000001\r\n"));
        QVERIFY(fakes->messages.shown.isEmpty());
    }

    void aFailedSaveIsToldAndTheOldFileStays()
    {
        const QString path = writeFile(scratchDir, "old", scratchDir.filePath(u"old.csv"_s));
        open({ "1", "1" });
        selectUser({ "0", "1", "100000" });
        fakes->fileDialogs.saveAnswers = { path };
        fakes->modal.onRun = [](QDialog &table) {
            const platform::testing::FileSizeLimit full(4096);
            click(&table, "btnSave");
        };
        click(window.get(), "btnCreate");
        QCOMPARE(fakes->messages.shown.size(), 1);
        QCOMPARE(fakes->messages.shown[0].title, u"File Error"_s);
        QVERIFY(fakes->messages.shown[0].text.contains(QDir::toNativeSeparators(path)));
        QCOMPARE(readBytes(path), QByteArray("old"));
        // No temporary file is left beside it.
        QCOMPARE(QDir(scratchDir.path()).entryList({ u"old.csv*"_s }, QDir::Files | QDir::Hidden),
            QStringList { u"old.csv"_s });
    }

    void aMillionRowsShowScrollAndCopy()
    {
        open({ "1", "0", "1" });
        selectUser({ "0", "1", "1000000" });
        fakes->modal.onRun = [](QDialog &table) {
            auto *list = child<QListView>(&table, u"lstTable"_s);
            QCOMPARE(list->model()->rowCount(), 1000002);
            QVERIFY(list->uniformItemSizes());
            list->scrollToBottom();
            const QModelIndex last = list->model()->index(1000001, 0);
            QVERIFY(list->viewport()->rect().intersects(list->visualRect(last)));
            QCOMPARE(last.data().toString(), u"999999\t999,998,000,002"_s);
            click(&table, "btnSelectAll");
            QVERIFY(list->selectionModel()->isSelected(last));
            click(&table, "btnCopy");
        };
        click(window.get(), "btnCreate");
        QCOMPARE(clipboard.text.count(u"\r\n"_s), 1000004);
        QVERIFY(clipboard.text.endsWith(u"999999\t999,998,000,002\r\n"_s));
    }

    void opensReadyForTheUser_data() { platform::testing::addFontSizeRows(); }
    void opensReadyForTheUser()
    {
        const auto font = platform::testing::ApplicationFont::ofTestRow();
        open({ "1", "2" });
        expectReadyForTheUser(*window);
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optIntervalUser"_s), Qt::LeftButton);
        expectWhole(window.get());
        expectNoFaults(platform::testing::unnaturalTabSteps(window.get(), platform::testing::tabPath()));
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optIntervalOne"_s), Qt::LeftButton);
        type({ { "txtOneFirst", "1" }, { "txtOneLast", "2" } });
        fakes->modal.onRun = [](QDialog &table) {
            expectReadyForTheUser(table);
            QVERIFY(child<QListView>(&table, u"lstTable"_s)->hasFocus());
        };
        click(window.get(), "btnCreate");
        QCOMPARE(fakes->modal.shownWindows, QStringList { u"frmTable"_s });
    }

    void selectedRowsAreDraggedOutAsText()
    {
        open({ "0", "0", "1" });
        type({ { "txtOneFirst", "1" }, { "txtOneLast", "4" } });
        QString dragged;
        fakes->modal.onRun = [&dragged](QDialog &table) {
            QVERIFY(QTest::qWaitForWindowExposed(&table));
            auto *list = child<QListView>(&table, u"lstTable"_s);
            QWidget *rows = list->viewport();
            const QPoint second = list->visualRect(list->model()->index(3, 0)).center();
            const QPoint fourth = list->visualRect(list->model()->index(5, 0)).center();
            QTest::mouseClick(rows, Qt::LeftButton, {}, second);
            QTest::mouseClick(rows, Qt::LeftButton, Qt::ShiftModifier, fourth);
            // The platform here ends a drag at once (there is no other program to drop on); the drag object
            // stays with the list until the event loop deletes it.
            QTest::mousePress(rows, Qt::LeftButton, {}, second);
            for (int step = 1; step <= 3; ++step) {
                QTest::mouseMove(rows, second + QPoint(0, step * QApplication::startDragDistance()));
            }
            if (const auto *drag = list->findChild<QDrag *>()) {
                dragged = drag->mimeData()->text();
            }
            QTest::mouseRelease(rows, Qt::LeftButton, {}, second + QPoint(0, 3 * QApplication::startDragDistance()));
            click(&table, "btnCopy"); // Copy takes every row, selected or not
        };
        click(window.get(), "btnCreate");
        QCOMPARE(dragged, u"2\t4\n3\t9\n4\t16"_s);
        QCOMPARE(clipboard.text, u"y = (1)*x^2 + (0)*x^1 + (0)\r\n\r\nx\ty\r\n\r\n1\t1\r\n2\t4\r\n3\t9\r\n4\t16\r\n"_s);
    }

private:
    void show() { window = openTool(*state, services(), u"y = "_s, &FrmTableNew::setFunction); }
    void open(std::vector<std::string> coefficients)
    {
        setReal(*state, std::move(coefficients));
        show();
    }
    platform::Services services()
    {
        return { fakes->messages, clipboard, fakes->fileDialogs, fakes->shell, fakes->modal, fakes->engine, fakes->printing };
    }
    void type(std::initializer_list<std::pair<const char *, const char *>> texts)
    {
        for (const auto &[name, value] : texts) {
            box(window.get(), name)->setText(QString::fromUtf8(value));
        }
    }
    void selectUser(std::initializer_list<const char *> texts)
    {
        QTest::mouseClick(child<QRadioButton>(window.get(), u"optIntervalUser"_s), Qt::LeftButton);
        const char *names[] = { "txtUserFirst", "txtUserInterval", "txtUserTotal" };
        int i = 0;
        for (const char *value : texts) {
            box(window.get(), names[i++])->setText(QString::fromUtf8(value));
        }
    }
    /// Presses Create and notes what the table window showed.
    Shown create() { return pressAndLook<Shown>(fakes->modal, window.get(), "btnCreate", look); }

    CursorNotingClipboard clipboard;
    QTemporaryDir scratchDir;
    QString previousDir;
    std::unique_ptr<FrmTableNew> window;
};

KOVALIN_WINDOW_TEST_MAIN(FrmTableTest)
#include "frm_table_test.moc"
