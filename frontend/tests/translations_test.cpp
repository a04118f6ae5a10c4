// The suite in another language: which catalogue a user's language loads and from where, and, with the test
// catalogue loaded, that every text of the windows and messages changes (a text that stays English is one
// a translator cannot reach).

#include "about/frm_about.h"
#include "about/messages.h"
#include "cubic/cubic_window.h"
#include "cubic/texts.h"
#include "frontend/frm_create.h"
#include "frontend/frm_create_new.h"
#include "frontend/frm_create_solve.h"
#include "frontend/frm_kovalin.h"
#include "frontend/frm_new.h"
#include "frontend/frm_solve.h"
#include "frontend/kit/messages.h"
#include "frontend/messages.h"
#include "graph/frm_graph_parameters.h"
#include "graph/messages.h"
#include "platform/testing/translation_checks.h"
#include "platform/testing/window_test_main.h"
#include "platform/translations.h"
#include "quartic/quartic_window.h"
#include "quartic/texts.h"
#include "tools/analysis/frm_calculus.h"
#include "tools/analysis/frm_evaluate.h"
#include "tools/analysis/frm_length.h"
#include "tools/analysis/frm_table.h"
#include "tools/analysis/messages.h"
#include "window_fixture.h"

#include <QDir>

using frontend::FrmKovalin;
using frontend::FrmNew;
using frontend::core::Notice;
using platform::Message;
using platform::Translations;
using platform::testing::copyTestCatalogue;
using platform::testing::hasWords;
using platform::testing::pseudoMark;
using platform::testing::PseudoTranslation;
using platform::testing::untranslatedTexts;

namespace
{

/// The parts of a message that hold words but do not begin with the mark: its title and its text. (Lines
/// further down may be the second line of one text, so they are not checked here; the look-ups behind
/// them are, by the audit every window test runs.)
QStringList untranslatedParts(const Message &message)
{
    QStringList out;
    for (const QString &part : { message.title, message.text }) {
        if (hasWords(part) && !part.startsWith(pseudoMark)) {
            out.append(part);
        }
    }
    return out;
}

/// Fails the running test with every text of `window` the test catalogue did not reach.
#define expectTranslated(window)                                                                                       \
    QVERIFY2(untranslatedTexts(window).isEmpty(), qPrintable(untranslatedTexts(window).join(u" | ")))

} // namespace

class TranslationsTest : public WindowTest
{
    Q_OBJECT

private Q_SLOTS:
    void init() { resetDoubles(); }
    void cleanup() { QVERIFY(endedClean()); }

    void theUsersLanguageComesFromTheFirstFolderThatHasIt()
    {
        QTemporaryDir none, first, second;
        QVERIFY(copyTestCatalogue(first.filePath(QStringLiteral("kovalin_de.qm"))));
        QVERIFY(copyTestCatalogue(second.filePath(QStringLiteral("kovalin_de.qm"))));
        {
            // An Austrian user reads the German catalogue: the language without its country.
            const Translations german(
                QLocale(QLocale::German, QLocale::Austria), { none.path(), first.path(), second.path() });
            QCOMPARE(
                QDir::cleanPath(german.catalogue()), QDir::cleanPath(first.filePath(QStringLiteral("kovalin_de.qm"))));
            QCOMPARE(frontend::msg::divisionByZero().title, pseudoMark + QStringLiteral("Division by Zero"));
        }
        // Gone with the object: the texts are the program's own again.
        QCOMPARE(frontend::msg::divisionByZero().title, QStringLiteral("Division by Zero"));
    }

    void englishAndLanguagesWithoutACatalogueKeepTheTextsOwn()
    {
        QTemporaryDir folder;
        QVERIFY(copyTestCatalogue(folder.filePath(QStringLiteral("kovalin_en.qm"))));
        QVERIFY(copyTestCatalogue(folder.filePath(QStringLiteral("kovalin_de.qm"))));
        for (const QLocale &locale : { QLocale(QLocale::English, QLocale::UnitedKingdom),
                 QLocale(QLocale::English, QLocale::UnitedStates),
                 QLocale(QLocale::French, QLocale::France),
                 QLocale::c() }) {
            const Translations translations(locale, { folder.path() });
            QVERIFY2(translations.catalogue().isEmpty(), qPrintable(locale.name()));
            QCOMPARE(frontend::msg::divisionByZero().title, QStringLiteral("Division by Zero"));
        }
    }

    void theStandardFoldersAreBesideTheProgramThenInItsInstallation()
    {
        const QString program = QCoreApplication::applicationDirPath();
        const QStringList folders = Translations::standardFolders();
        QVERIFY(folders.size() >= 2);
        QCOMPARE(folders.at(0), program + QStringLiteral("/translations"));
        QCOMPARE(folders.at(1), QDir::cleanPath(program + QStringLiteral("/../share/kovalin/translations")));
    }

    void everyTextOfTheSolversWindowsChanges()
    {
        const PseudoTranslation pseudo;
        FrmNew newDialog(*state, fakes->services(), *launcher);
        QVERIFY(showActive(&newDialog));
        expectTranslated(&newDialog);
        for (const auto kind : { frontend::core::CoefKind::Real, frontend::core::CoefKind::Complex }) {
            frontend::core::startProgramEntry(*state, kind, 3, 15);
            FrmKovalin main(*state, fakes->services(), *launcher);
            QVERIFY(showActive(&main));
            expectTranslated(&main);
        }
        frontend::FrmSolve roots(fakes->services());
        roots.setDegree(QStringLiteral("3"));
        QVERIFY(showActive(&roots));
        expectTranslated(&roots);
        frontend::FrmCreateNew createNew(*state, fakes->services());
        QVERIFY(showActive(&createNew));
        expectTranslated(&createNew);
        frontend::FrmCreate create(*state, fakes->services());
        create.LoadRoots(2);
        QVERIFY(showActive(&create));
        expectTranslated(&create);
        frontend::FrmCreateSolve created(fakes->services());
        QVERIFY(showActive(&created));
        expectTranslated(&created);
    }

    void everyTextOfTheToolsChanges()
    {
        const PseudoTranslation pseudo;
        frontend::core::startProgramEntry(*state, frontend::core::CoefKind::Real, 3, 15);
        tools::analysis::FrmTableNew table(state->equation, 15, fakes->services());
        QVERIFY(showActive(&table));
        expectTranslated(&table);
        tools::analysis::FrmEvaluate evaluate(state->equation, 15, fakes->services());
        QVERIFY(showActive(&evaluate));
        expectTranslated(&evaluate);
        tools::analysis::FrmLengthNew length(state->equation, 15, fakes->services());
        QVERIFY(showActive(&length));
        expectTranslated(&length);
        tools::analysis::FrmCalculusNew calculus(state->equation, 15, fakes->services());
        QVERIFY(showActive(&calculus));
        expectTranslated(&calculus);
        tools::analysis::FrmCalculusD derivative(fakes->services());
        QVERIFY(showActive(&derivative));
        expectTranslated(&derivative);
        tools::analysis::FrmCalculusI integral(fakes->services());
        QVERIFY(showActive(&integral));
        expectTranslated(&integral);
        tools::graph::FrmGraphParameters graph(state->graph, fakes->messages, QStringLiteral("y = x^3"), {});
        QVERIFY(showActive(&graph));
        expectTranslated(&graph);
        about::FrmAbout aboutBox(fakes->shell, fakes->messages);
        QVERIFY(showActive(&aboutBox));
        expectTranslated(&aboutBox);
    }

    void everyTextOfTheClosedFormSolversChanges()
    {
        const PseudoTranslation pseudo;
        cubic::CubicWindow cubicWindow(fakes->messages, fakes->clipboard, fakes->shell);
        QVERIFY(showActive(&cubicWindow));
        expectTranslated(&cubicWindow);
        quartic::QuarticWindow quarticWindow(fakes->messages, fakes->clipboard, fakes->shell);
        QVERIFY(showActive(&quarticWindow));
        expectTranslated(&quarticWindow);
    }

    void everyLineOfTheMessagesChanges()
    {
        const PseudoTranslation pseudo;
        QList<Message> messages;
        for (int notice = 0; notice <= static_cast<int>(Notice::RootsFileRead); ++notice) {
            messages.append(frontend::msg::forNotice(static_cast<Notice>(notice)));
        }
        messages << frontend::msg::overflow() << frontend::msg::unexpectedError()
                 << frontend::msg::copyScratchFailed(QStringLiteral("/0")) << frontend::msg::unableToSolve()
                 << frontend::msg::confirmCloseCreator() << frontend::msg::confirmClear()
                 << frontend::msg::saveCreatedFailed(QStringLiteral("/0/1")) << tools::analysis::msg::tableInputError()
                 << tools::analysis::msg::integSameValues()
                 << tools::analysis::msg::tableCopyScratchFailed(QStringLiteral("/0")) << tools::graph::msg::zoomHelp()
                 << tools::graph::msg::parametersInputError() << cubic::texts::InputError() << cubic::texts::Copied()
                 << quartic::texts::InputError() << about::msg::systemInformationUnavailable();
        for (const Message &message : messages) {
            QVERIFY2(untranslatedParts(message).isEmpty(), qPrintable(untranslatedParts(message).join(u" | ")));
        }
    }
};

KOVALIN_WINDOW_TEST_MAIN(TranslationsTest)
#include "translations_test.moc"
