// The solver's windows on a small screen at the scale the run was started with (ctest runs this on a 1366x768
// screen at the scales 1, 1.5 and 2): each fits the screen's available geometry with its buttons in reach, no
// text of any is cut at the normal font and at one half as large again, and the focused box of a long row panel
// stays in view while the user tabs through it or is sent to the box at fault.

#include "about/frm_about.h"
#include "frontend/core/creator.h"
#include "frontend/core/roots_file.h"
#include "frontend/core/testing/equations.h"
#include "frontend/frm_create.h"
#include "frontend/frm_create_new.h"
#include "frontend/frm_create_solve.h"
#include "frontend/frm_kovalin.h"
#include "frontend/frm_new.h"
#include "frontend/frm_root_plot.h"
#include "frontend/frm_solve.h"
#include "frontend/kit/screen_fit.h"
#include "platform/testing/window_test_main.h"
#include "window_fixture.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>

#include <cmath>
#include <limits>
#include <numbers>

using namespace Qt::StringLiterals;
using frontend::core::CoefKind;

namespace
{

QString describe(const QWidget *widget)
{
    return u"%1 %2 (%3x%4, needs %5x%6)"_s.arg(QString::fromLatin1(widget->metaObject()->className()),
        widget->objectName(),
        QString::number(widget->width()),
        QString::number(widget->height()),
        QString::number(widget->minimumSizeHint().width()),
        QString::number(widget->minimumSizeHint().height()));
}

/// Inside its parent, or the content of a scrolling view (scrolled, not cut).
bool insideParent(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    const auto *view = parent ? qobject_cast<const QAbstractScrollArea *>(parent->parentWidget()) : nullptr;
    return widget->isWindow() || (view && view->viewport() == parent) || parent->rect().contains(widget->geometry());
}

/// A control's text shows whole: its control is as large as the text needs and lies inside its parent (a
/// body that scrolls is whole, only scrolled).
bool textShowsWhole(const QWidget *widget)
{
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty()) {
            return true;
        }
        const bool fits = label->wordWrap() ? label->height() >= label->heightForWidth(label->width())
                                            : label->width() >= label->minimumSizeHint().width()
                && label->height() >= label->minimumSizeHint().height();
        return fits && insideParent(label);
    }
    if (qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QComboBox *>(widget) || qobject_cast<const QGroupBox *>(widget)) {
        const QSize needed = widget->minimumSizeHint();
        return widget->width() >= needed.width() && widget->height() >= needed.height() && insideParent(widget);
    }
    return true;
}

QStringList cutTexts(const QWidget *window)
{
    QStringList cut;
    for (const QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->isVisibleTo(window) && !textShowsWhole(widget)) {
            cut.append(describe(widget));
        }
    }
    return cut;
}

bool insideBody(const QWidget *widget)
{
    for (const QWidget *outer = widget->parentWidget(); outer; outer = outer->parentWidget()) {
        if (qobject_cast<const frontend::WindowBody *>(outer)) {
            return true;
        }
    }
    return false;
}

/// The window's buttons outside its scrolling body, shown whole without any scrolling.
QStringList buttonsOutOfReach(const QWidget *window)
{
    QStringList out;
    for (const QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->isVisibleTo(window) && !insideBody(button) && button->visibleRegion() != QRegion(button->rect())) {
            out.append(button->objectName());
        }
    }
    return out;
}

/// The widget shows whole: nothing of it is clipped away by the viewports and windows around it.
bool shownWhole(const QWidget *widget)
{
    return widget->isVisible() && widget->visibleRegion() == QRegion(widget->rect());
}

bool insideViewport(const QWidget *box, const QWidget *viewport)
{
    return viewport->rect().contains(QRect(box->mapTo(viewport, QPoint()), box->size()));
}

} // namespace

class WindowFitTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        resetDoubles();
        normalFont = QApplication::font();
    }
    void cleanup()
    {
        QVERIFY(endedClean());
        window.reset();
        QApplication::setFont(normalFont);
    }

    void everyWindowFitsTheScreenWithItsButtonsInReach_data() { windows(); }
    void everyWindowFitsTheScreenWithItsButtonsInReach()
    {
        QFETCH(QString, name);
        build(name);
        const QRect available = window->screen()->availableGeometry();
        QVERIFY2(available.contains(window->frameGeometry()),
            qPrintable(u"%1 at %2x%3+%4+%5 on %6x%7"_s.arg(name)
                           .arg(window->frameGeometry().width())
                           .arg(window->frameGeometry().height())
                           .arg(window->x())
                           .arg(window->y())
                           .arg(available.width())
                           .arg(available.height())));
        const QStringList unreachable = buttonsOutOfReach(window.get());
        QVERIFY2(unreachable.isEmpty(), qPrintable(unreachable.join(u", ")));
    }

    void noTextIsCut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("fontScale");
        for (const double scale : { 1.0, 1.5 }) {
            for (const char *name : windowNames) {
                QTest::addRow("%s at %gx font", name, scale) << QString::fromLatin1(name) << scale;
            }
        }
    }
    void noTextIsCut()
    {
        QFETCH(QString, name);
        QFETCH(double, fontScale);
        QFont font = normalFont;
        font.setPointSizeF(normalFont.pointSizeF() * fontScale);
        QApplication::setFont(font);
        build(name);
        const QStringList cut = cutTexts(window.get());
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u"; ")));
    }

    void tabbingThroughTheCoefficientsKeepsTheFocusedBoxInView_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("viewport");
        QTest::newRow("real") << int(CoefKind::Real) << u"picOutReal"_s;
        QTest::newRow("complex") << int(CoefKind::Complex) << u"picOutComplex"_s;
    }
    void tabbingThroughTheCoefficientsKeepsTheFocusedBoxInView()
    {
        QFETCH(int, kind);
        QFETCH(QString, viewport);
        openMain(CoefKind(kind), kind == int(CoefKind::Real) ? 100 : 50);
        auto *view = child<QWidget>(window.get(), viewport);
        QStringList visited;
        for (int step = 0; step < 40; ++step) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY(focused);
            visited.append(focused->objectName());
            QVERIFY2(insideViewport(focused, view), qPrintable(focused->objectName()));
            QVERIFY2(shownWhole(focused), qPrintable(focused->objectName()));
            QTest::keyClicks(focused, QString::number(step));
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        // The Tab order runs down the rows, so the last boxes lay far below the first view.
        const QString last = kind == int(CoefKind::Real) ? u"txtCR_61"_s : u"txtCCB_31"_s;
        QCOMPARE(visited.last(), last);
        QCOMPARE(child<QLineEdit>(window.get(), last)->text(), u"39"_s);
    }

    void theBoxAtFaultIsScrolledIntoView()
    {
        openMain(CoefKind::Real, 100);
        auto *view = child<QWidget>(window.get(), u"picOutReal"_s);
        auto *faulty = child<QLineEdit>(window.get(), u"txtCR_40"_s);
        faulty->setText(u"abc"_s);
        child<QPushButton>(window.get(), u"btnSolve"_s)->click();
        QCOMPARE(fakes->messages.shown.size(), 1); // the leading box is empty: told first
        QVERIFY(child<QLineEdit>(window.get(), u"txtCR_100"_s)->hasFocus());
        QTest::keyClicks(QApplication::focusWidget(), u"1"_s);
        child<QPushButton>(window.get(), u"btnSolve"_s)->click();
        QVERIFY(faulty->hasFocus());
        QVERIFY(insideViewport(faulty, view));
        QVERIFY(shownWhole(faulty));

        // The same when the box had the focus already and the user scrolled it away.
        child<QScrollBar>(window.get(), u"scrReal"_s)->setValue(0);
        QVERIFY(!insideViewport(faulty, view));
        child<QAction>(window.get(), u"mnuSolve"_s)->trigger();
        QVERIFY(faulty->hasFocus());
        QVERIFY(insideViewport(faulty, view));
        QVERIFY(shownWhole(faulty));
    }

    void theCreatorsRootsFollowTheFocusToo()
    {
        openCreator(100);
        auto *view = child<QWidget>(window.get(), u"picOutRoots"_s);
        for (int step = 0; step < 30; ++step) {
            QWidget *focused = QApplication::focusWidget();
            QVERIFY2(insideViewport(focused, view) && shownWhole(focused), qPrintable(focused->objectName()));
            QTest::keyClicks(focused, u"1"_s);
            QTest::keyClick(focused, Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), u"txtCRA_16"_s);
        child<QLineEdit>(window.get(), u"txtCRB_70"_s)->setText(u"x"_s);
        child<QScrollBar>(window.get(), u"scrRoots"_s)->setValue(0);
        child<QPushButton>(window.get(), u"btnCreate"_s)->click();
        auto *faulty = child<QLineEdit>(window.get(), u"txtCRB_70"_s);
        QVERIFY(faulty->hasFocus());
        QVERIFY(insideViewport(faulty, view));
        QVERIFY(shownWhole(faulty));
    }

private:
    static constexpr const char *windowNames[] = { "frmNew",
        "frmNew create",
        "frmNew files",
        "frmKovalin real",
        "frmKovalin complex",
        "frmKovalin file",
        "frmCreateNew",
        "frmCreateNew file",
        "frmCreate",
        "frmCreate file",
        "frmSolve",
        "frmCreateSolve",
        "frmRootPlot",
        "frmAbout" };

    static void windows()
    {
        QTest::addColumn<QString>("name");
        for (const char *name : windowNames) {
            QTest::newRow(name) << QString::fromLatin1(name);
        }
    }

    /// Builds and shows the window `name` names, filled as a user would have it at its largest.
    void build(const QString &name)
    {
        if (name.startsWith(u"frmNew")) {
            window = std::make_unique<frontend::FrmNew>(*state, fakes->services(), *launcher);
            if (name == u"frmNew create") {
                child<QRadioButton>(window.get(), u"optCreate"_s)->click();
            } else if (name == u"frmNew files") {
                child<QRadioButton>(window.get(), u"optFile"_s)->click();
                child<QRadioButton>(window.get(), u"optFile2"_s)->click();
            }
        } else if (name.startsWith(u"frmKovalin")) {
            const CoefKind kind = name.endsWith(u"real") ? CoefKind::Real
                : name.endsWith(u"complex")              ? CoefKind::Complex
                                                         : CoefKind::File;
            if (kind == CoefKind::File) {
                const QString path = writeFile("2\tdegree of equation\r\n1\r\n-3\r\n2\r\n");
                frontend::core::startFileEntry(*state, path.toStdString(), "2\tdegree of equation\r\n1\r\n-3\r\n2\r\n");
            } else {
                frontend::core::startProgramEntry(*state, kind, kind == CoefKind::Real ? 100 : 50, 15);
            }
            window = std::make_unique<frontend::FrmKovalin>(*state, fakes->services(), *launcher);
        } else if (name.startsWith(u"frmCreateNew")) {
            window = std::make_unique<frontend::FrmCreateNew>(*state, fakes->services());
            if (name.endsWith(u"file")) {
                child<QRadioButton>(window.get(), u"optFile"_s)->click();
            }
        } else if (name == u"frmCreate file") {
            const QByteArray bytes = "2\r\n1\r\n1\r\n2\r\n";
            const QString path = writeFile(bytes);
            state->creator.fromFile = true;
            state->creator.RootsFilePath = path.toStdString();
            state->creator.viewText = bytes.toStdString();
            state->creator.roots = frontend::core::ReadRootsFile(path.toStdString());
            window = std::make_unique<frontend::FrmCreate>(*state, fakes->services());
        } else if (name == u"frmCreate") {
            prepareCreator(100);
            window = std::make_unique<frontend::FrmCreate>(*state, fakes->services());
        } else if (name == u"frmSolve") {
            window = solved();
        } else if (name == u"frmCreateSolve") {
            window = created();
        } else if (name == u"frmRootPlot") {
            window = plotted();
        } else {
            window = std::make_unique<about::FrmAbout>(fakes->shell, fakes->messages);
        }
        QVERIFY(showActive(window.get()));
        settle();
    }

    std::unique_ptr<QWidget> solved()
    {
        auto results = std::make_unique<frontend::FrmSolve>(fakes->services());
        std::vector<frontend::core::ComplexValue> roots;
        for (int k = 0; k < 99; ++k) {
            roots.push_back({ -1234567.123456789 + k, k % 2 ? 9876.54321 : 0.0 });
        }
        roots.push_back({ std::numeric_limits<double>::infinity(), 0.0 });
        results->setDegree(u"100"_s);
        results->setEquation(u"0 = (1)*x^100 + (-1)"_s);
        results->showRoots(frontend::core::listRoots(roots, 15));
        return results;
    }

    /// The picture of a hundred roots: x^100 - 1.
    std::unique_ptr<QWidget> plotted()
    {
        std::vector<std::string> texts(101, "0");
        texts.front() = "-1";
        texts.back() = "1";
        const auto equation =
            frontend::core::testing::equationOf(frontend::core::CoefficientTexts::real(std::move(texts)));
        std::vector<frontend::core::ComplexValue> roots;
        for (int k = 0; k < 100; ++k) {
            roots.push_back({ std::cos(k * std::numbers::pi / 50), std::sin(k * std::numbers::pi / 50) });
        }
        return std::make_unique<frontend::FrmRootPlot>(
            frontend::core::solvedRoots(equation, roots, 15), fakes->services());
    }

    std::unique_ptr<QWidget> created()
    {
        std::vector<std::string> re(100, "1/3");
        std::vector<std::string> im(100, "-2");
        const auto roots = frontend::core::TypedCreatorRoots(
            frontend::core::CoefficientTexts::complexPairs(std::move(re), std::move(im)));
        const auto equation = frontend::core::ShowCreatedEquation({ 1, 0 }, roots, 15);
        auto window = std::make_unique<frontend::FrmCreateSolve>(fakes->services());
        if (equation) {
            window->fill(100, roots, *equation);
        }
        return window;
    }

    void prepareCreator(int count)
    {
        state->creator.fromFile = false;
        state->creator.CreateDegree = count;
        state->creator.LeadingCoef = { 1, 0 };
        state->creator.leadingTextA = "1";
        state->creator.leadingTextB = "0";
    }

    void openMain(CoefKind kind, int degree)
    {
        frontend::core::startProgramEntry(*state, kind, degree, 15);
        launcher->offered.insert(frontend::core::Action::Solve);
        auto main = std::make_unique<frontend::FrmKovalin>(*state, fakes->services(), *launcher);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        main->focusLeadingBox();
        settle();
        window = std::move(main);
    }

    void openCreator(int count)
    {
        prepareCreator(count);
        window = std::make_unique<frontend::FrmCreate>(*state, fakes->services());
        QVERIFY(showActive(window.get()));
        settle();
    }

    QFont normalFont;
    std::unique_ptr<QWidget> window;
};

KOVALIN_WINDOW_TEST_MAIN(WindowFitTest)
#include "window_fit_test.moc"
