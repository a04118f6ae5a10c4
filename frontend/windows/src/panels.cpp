#include "frontend/panels.h"

#include "frontend/kit/accessible_names.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/text_colours.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace frontend
{
using msg::Kovalin;

QString noFileChosen()
{
    return QStringLiteral("none");
}

QLineEdit *pathBox(const char *name)
{
    auto *box = new QLineEdit(noFileChosen());
    box->setObjectName(QLatin1String(name));
    box->setReadOnly(true);
    return box;
}

QComboBox *numberList(const char *name)
{
    auto *list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    return list;
}

void fillNumbers(QComboBox *list, int count)
{
    list->clear();
    for (int i = 1; i <= count; ++i) {
        list->addItem(QString::number(i));
    }
    list->setCurrentIndex(-1);
}

void pairOptions(QObject *owner, QRadioButton *first, QRadioButton *second)
{
    auto *group = new QButtonGroup(owner);
    group->addButton(first);
    group->addButton(second);
}

FileChooser buildFileChooser(const FileChooserNames &names, const QString &prompt)
{
    FileChooser out;
    out.panel = new QWidget;
    out.panel->setObjectName(QLatin1String(names.panel));
    out.open = button(Kovalin::tr("&Open File..."), names.open);
    out.path = pathBox(names.path);
    out.instructions = button(Kovalin::tr("&Instructions!"), names.instructions);
    auto *grid = new QGridLayout(out.panel);
    grid->addWidget(label(prompt, names.prompt), 0, 0, 1, 3);
    grid->addWidget(out.open, 1, 0);
    QLabel *selected = caption(Kovalin::tr("Selected file:"), names.selected);
    frontend::names::nameAfter(out.path, selected);
    grid->addWidget(selected, 1, 1);
    grid->addWidget(out.path, 1, 2);
    grid->addWidget(out.instructions, 2, 0);
    return out;
}

FileView buildFileView()
{
    FileView view { new QLineEdit, new QPlainTextEdit };
    view.txtFilePath->setObjectName(QStringLiteral("txtFilePath"));
    view.txtFilePath->setReadOnly(true);
    view.txtFilePath->setAccessibleName(Kovalin::tr("Path of the file"));
    view.txtFileText->setObjectName(QStringLiteral("txtFileText"));
    view.txtFileText->setReadOnly(true);
    view.txtFileText->setAccessibleName(Kovalin::tr("Contents of the file"));
    view.txtFileText->setFont(fixedFont());
    view.txtFileText->setLineWrapMode(QPlainTextEdit::NoWrap);
    return view;
}

void markFileView(const FileView &view, const QString &path, bool marked)
{
    view.txtFilePath->setText(marked ? path + Kovalin::tr(" : Input Error in File") : path);
    QPalette palette = view.txtFileText->palette();
    const QPalette &shown = view.txtFileText->window()->palette();
    palette.setColor(
        QPalette::Text, marked ? textColour(TextColour::Red, shown, QPalette::Base) : shown.color(QPalette::Text));
    view.txtFileText->setPalette(palette);
}

RootsProgramPanel buildRootsProgramPanel(const char *panelName, const QString &intro, const char *introName)
{
    RootsProgramPanel out;
    out.panel = new QWidget;
    out.panel->setObjectName(QLatin1String(panelName));
    out.cboNumRoots = numberList("cboNumRoots");
    out.txtLeadingA = new QLineEdit(QStringLiteral("1"));
    out.txtLeadingA->setObjectName(QStringLiteral("txtLeadingA"));
    out.txtLeadingB = new QLineEdit(QStringLiteral("0"));
    out.txtLeadingB->setObjectName(QStringLiteral("txtLeadingB"));
    out.txtLeadingA->setAccessibleName(Kovalin::tr("Real part of the leading coefficient"));
    out.txtLeadingB->setAccessibleName(Kovalin::tr("Imaginary part of the leading coefficient"));
    makeNumberBox(out.txtLeadingA);
    makeNumberBox(out.txtLeadingB);
    auto *leading = new QHBoxLayout;
    leading->addWidget(caption(QStringLiteral("("), "lblLeading_0"));
    leading->addWidget(out.txtLeadingA);
    leading->addWidget(caption(QStringLiteral(" + "), "lblLeading_1"));
    leading->addWidget(out.txtLeadingB);
    leading->addWidget(caption(QStringLiteral("i)"), "lblLeading_2"));
    auto *grid = new QGridLayout(out.panel);
    int row = 0;
    if (!intro.isEmpty()) {
        grid->addWidget(label(intro, introName), row++, 0, 1, 2);
    }
    QLabel *count = caption(Kovalin::tr("Number of roots to enter:"), "lblCreateNew_0");
    frontend::names::nameAfter(out.cboNumRoots, count);
    grid->addWidget(count, row, 0);
    grid->addWidget(out.cboNumRoots, row++, 1);
    grid->addWidget(caption(Kovalin::tr("Leading coefficient:"), "lblCreateNew_1"), row, 0);
    grid->addLayout(leading, row++, 1);
    grid->addWidget(caption(Kovalin::tr("(of highest power of 'x')"), "lblCreateNew_2"), row, 0);
    return out;
}

} // namespace frontend
