#include "tools/analysis/frm_table.h"

#include "frontend/kit/dialog_parts.h"
#include "frontend/kit/feedback.h"
#include "frontend/kit/messages.h"
#include "frontend/kit/qt_text.h"
#include "platform/clipboard.h"
#include "platform/file_dialogs.h"
#include "platform/modal_runner.h"
#include "tools/analysis/messages.h"
#include "tools/analysis/table_csv.h"
#include "tools/analysis/table_model.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace tools::analysis
{

using frontend::toQt;
using frontend::toStd;

namespace
{

/// The list's rows are at least this wide, so long rows can be scrolled to.
constexpr int horizontalExtent = 400;

platform::Message messageFor(TableProblem problem)
{
    switch (problem) {
    case TableProblem::NotWholeNumbers:
        return msg::tableWholeNumbers();
    case TableProblem::LastNotGreater:
        return msg::tableLastNotGreater();
    case TableProblem::InputError:
        return msg::tableInputError();
    case TableProblem::TotalNotPositiveInteger:
        return msg::tableTotalNotPositive();
    case TableProblem::ZeroInterval:
        return msg::tableZeroInterval();
    case TableProblem::TooManyValues:
    case TableProblem::None:
        break;
    }
    return msg::tableTooManyValues();
}

void addBox(QFormLayout *form, const QString &caption, QLineEdit *box)
{
    form->addRow(frontend::captionFor(caption, "", box), box);
}

} // namespace

bool saveTableCsv(const ValueTable &table, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return false;
    }
    const bool written = writeTableCsv(table, [&file](std::string_view piece) {
        const auto size = static_cast<qint64>(piece.size());
        return file.write(piece.data(), size) == size;
    }) && file.flush(); // a failed write may wait in the file's buffer until flushed
    if (!written) {
        file.cancelWriting(); // the commit then removes the temporary file and leaves the target alone
    }
    return file.commit() && written;
}

FrmTableNew::FrmTableNew(
    const frontend::core::Equation &equation, std::size_t decimals, platform::Services services, QWidget *parent)
    : QDialog(parent)
    , m_equation(equation)
    , m_decimals(decimals)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmTableNew"));
    setWindowTitle(tr("Kovalin - Table of Values - [Create New Table]"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildFunction());
    layout->addWidget(buildData());
    layout->addLayout(buildButtons());
    frontend::setMainAction(this, "btnCreate");
    enableBoxes(true);
    m_txtOneFirst->setFocus();
}

QWidget *FrmTableNew::buildFunction()
{
    QGroupBox *group = frontend::frame(tr("Function to be Used"), "frmNewCreate");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(frontend::label(
        tr("Below is the function for which a table of (x,y) values will be computed"), "lblNewCreate"));
    m_txtFunction = frontend::display("txtFunction", true);
    m_txtFunction->setAccessibleName(tr("Function"));
    layout->addWidget(m_txtFunction);
    return group;
}

QWidget *FrmTableNew::buildData()
{
    QGroupBox *group = frontend::frame(tr("Data to Create Table of Values"), "frmData");
    auto *layout = new QVBoxLayout(group);
    layout->addWidget(frontend::label(
        tr("For the function above, enter the necessary data to create the table of values of your choice"),
        "lblData"));
    m_optIntervalOne = frontend::radio(tr("'&x' intervals of 1 in table (x = 1, 2, 3...)"), "optIntervalOne");
    m_optIntervalOne->setChecked(true);
    m_optIntervalUser = frontend::radio(tr("&User-defined intervals of 'x'"), "optIntervalUser");
    m_txtOneFirst = frontend::numberBox("txtOneFirst");
    m_txtOneLast = frontend::numberBox("txtOneLast");
    m_txtUserFirst = frontend::numberBox("txtUserFirst");
    m_txtUserInterval = frontend::numberBox("txtUserInterval");
    m_txtUserTotal = frontend::numberBox("txtUserTotal");

    auto *one = new QFormLayout;
    addBox(one, tr("First 'x' value:"), m_txtOneFirst);
    addBox(one, tr("Last 'x' value:"), m_txtOneLast);
    auto *user = new QFormLayout;
    addBox(user, tr("First 'x' value:"), m_txtUserFirst);
    addBox(user, tr("Interval between 'x' values:"), m_txtUserInterval);
    addBox(user, tr("Total number of 'x' values:"), m_txtUserTotal);
    layout->addWidget(m_optIntervalOne);
    layout->addLayout(one);
    layout->addWidget(m_optIntervalUser);
    layout->addLayout(user);
    connect(m_optIntervalOne, &QRadioButton::clicked, this, &FrmTableNew::optIntervalOne_Click);
    connect(m_optIntervalUser, &QRadioButton::clicked, this, &FrmTableNew::optIntervalUser_Click);
    return group;
}

QLayout *FrmTableNew::buildButtons()
{
    QPushButton *create = frontend::button(tr("Create"), "btnCreate", tr("Create table of values"));
    m_btnCancel = frontend::button(tr("Cancel"), "btnCancel");
    connect(create, &QPushButton::clicked, this, &FrmTableNew::btnCreate_Click);
    connect(m_btnCancel, &QPushButton::clicked, this, &FrmTableNew::btnCancel_Click);
    QBoxLayout *layout = frontend::row({ create, m_btnCancel });
    layout->insertStretch(0);
    return layout;
}

void FrmTableNew::setFunction(const QString &text)
{
    frontend::showText(m_txtFunction, text);
}

void FrmTableNew::enableBoxes(bool wholeNumbers)
{
    const auto paint = [this](QLineEdit *box, bool on) {
        box->setEnabled(on);
        QPalette palette = box->palette();
        // Enabled boxes take the window background of text boxes; disabled ones the button face.
        palette.setColor(
            QPalette::Base, on ? this->palette().color(QPalette::Base) : this->palette().color(QPalette::Button));
        box->setPalette(palette);
    };
    for (QLineEdit *box : { m_txtOneFirst, m_txtOneLast }) {
        paint(box, wholeNumbers);
    }
    for (QLineEdit *box : { m_txtUserFirst, m_txtUserInterval, m_txtUserTotal }) {
        paint(box, !wholeNumbers);
    }
}

void FrmTableNew::optIntervalOne_Click()
{
    enableBoxes(true);
}

void FrmTableNew::optIntervalUser_Click()
{
    enableBoxes(false);
}

QLineEdit *FrmTableNew::box(TableBox which) const
{
    switch (which) {
    case TableBox::OneFirst:
        return m_txtOneFirst;
    case TableBox::OneLast:
        return m_txtOneLast;
    case TableBox::UserFirst:
        return m_txtUserFirst;
    case TableBox::UserInterval:
        return m_txtUserInterval;
    case TableBox::UserTotal:
        break;
    }
    return m_txtUserTotal;
}

void FrmTableNew::refuse(const TableRequest &request)
{
    frontend::refuse(
        m_services.messages, this, box(request.focus), messageFor(request.problem), request.ConversionFailed);
}

void FrmTableNew::btnCreate_Click()
{
    frontend::guarded(m_services.messages, this, [this] {
        const TableRequest request = m_optIntervalOne->isChecked()
            ? checkWholeNumberRun(toStd(m_txtOneFirst->text()), toStd(m_txtOneLast->text()))
            : checkUserRun(
                toStd(m_txtUserFirst->text()), toStd(m_txtUserInterval->text()), toStd(m_txtUserTotal->text()));
        if (request.problem != TableProblem::None) {
            refuse(request);
            return;
        }
        std::optional<TableBuild> build;
        {
            const frontend::BusyCursor busy;
            build = m_equation.isComplex() ? CreateTableC(m_equation, request.run, m_decimals)
                                           : CreateTableR(m_equation, request.run, m_decimals);
        }
        if (build->EvalOverflow) {
            m_services.messages.show(frontend::msg::overflow(), this);
            return;
        }
        m_btnCancel->setText(tr("Close"));
        showTable(std::move(*build->table));
    });
}

void FrmTableNew::showTable(ValueTable table)
{
    FrmTable window(m_services, std::move(table), m_txtFunction->text(), this);
    m_services.modal.run(window);
}

void FrmTableNew::btnCancel_Click()
{
    reject();
}

FrmTable::FrmTable(platform::Services services, ValueTable table, const QString &function, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmTable"));
    setWindowTitle(tr("Kovalin - Table of Values - [Created]"));
    QGroupBox *group = frontend::frame(tr("Table of Values"), "frmSolved");
    auto *inner = new QVBoxLayout(group);
    inner->addWidget(frontend::label(
        tr("The specified table of (x,y) values for the function below has been created"), "lblSolved_0"));
    inner->addWidget(
        frontend::label(tr("The table elements may be selected and dragged into a text editor"), "lblSolved_1"));
    m_txtFunction = frontend::display("txtFunction", true);
    frontend::showText(m_txtFunction, function);
    m_txtFunction->setAccessibleName(tr("Function"));
    inner->addWidget(m_txtFunction);

    m_model = new TableModel(std::move(table), this);
    m_lstTable = new QListView;
    m_lstTable->setObjectName(QStringLiteral("lstTable"));
    m_lstTable->setAccessibleName(tr("Table of values"));
    m_lstTable->setFont(frontend::fixedFont());
    m_lstTable->setUniformItemSizes(true);
    m_lstTable->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_lstTable->setDragEnabled(true);
    m_lstTable->setDragDropMode(QAbstractItemView::DragOnly);
    m_lstTable->setTextElideMode(Qt::ElideNone);
    m_lstTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Uniform rows at least 400 pixels wide, wider when the widest of the sampled rows needs it.
    const QFontMetrics metrics(m_lstTable->font());
    int width = horizontalExtent;
    const ValueTable &rows = m_model->table();
    for (const std::int64_t sample : { std::int64_t { 0 }, std::int64_t { 2 }, rows.rowCount() - 1 }) {
        width = std::max(width, metrics.horizontalAdvance(toQt(rows.row(sample))) + metrics.averageCharWidth() * 12);
    }
    m_model->setRowSize(QSize(width, metrics.height() + 2));
    m_lstTable->setModel(m_model);
    inner->addWidget(m_lstTable, 1);

    QPushButton *selectAll = frontend::button(tr("Select All"), "btnSelectAll");
    QPushButton *copy = frontend::button(tr("Copy"), "btnCopy", tr("Copy table of values"));
    QPushButton *save = frontend::button(tr("Save..."), "btnSave", tr("Save table of values as a CSV file"));
    QPushButton *close = frontend::button(tr("Close"), "btnClose");
    close->setDefault(true); // Enter in the list closes, as in the other result windows
    connect(selectAll, &QPushButton::clicked, this, &FrmTable::btnSelectAll_Click);
    connect(copy, &QPushButton::clicked, this, &FrmTable::btnCopy_Click);
    connect(save, &QPushButton::clicked, this, &FrmTable::btnSave_Click);
    connect(close, &QPushButton::clicked, this, &FrmTable::btnClose_Click);
    QBoxLayout *buttons = frontend::row({ selectAll, copy, save, close });
    buttons->insertStretch(0);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(group, 1);
    layout->addLayout(buttons);
    resize(width + 80, 480);
}

void FrmTable::btnSelectAll_Click()
{
    m_lstTable->selectAll();
}

void FrmTable::btnCopy_Click()
{
    frontend::guarded(m_services.messages, this, [this] {
        const frontend::BusyCursor busy;
        const auto text = tableCopyText(toStd(m_txtFunction->text()), m_model->table());
        if (!text) {
            m_services.messages.show(msg::tableCopyScratchFailed(QDir::toNativeSeparators(QDir::currentPath())), this);
            return;
        }
        m_services.clipboard.setText(toQt(*text));
    });
}

void FrmTable::btnSave_Click()
{
    const auto choice = m_services.fileDialogs.saveFileOfType(this, msg::saveTable());
    if (!choice || choice->path.isEmpty()) {
        return;
    }
    QString path = choice->path;
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    frontend::guarded(m_services.messages, this, [this, &path] {
        bool saved = false;
        {
            const frontend::BusyCursor busy;
            saved = saveTableCsv(m_model->table(), path);
        }
        if (!saved) {
            m_services.messages.show(msg::tableNotSaved(QDir::toNativeSeparators(path)), this);
        }
    });
}

void FrmTable::btnClose_Click()
{
    reject();
}

} // namespace tools::analysis
