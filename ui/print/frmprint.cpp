#include "ui/print/frmprint.h"

#include "core/appstate.h"
#include "core/prompts.h"
#include "core/schoolcalendar.h"
#include "reports/painterprinter.h"
#include "reports/pdfexport.h"
#include "reports/printerfacility.h"
#include "reports/reportprocedures.h"
#include "reports/weeklyplanreport.h"
#include "ui/common/escapebutton.h"
#include "ui/common/windowactivation.h"
#include "ui/print/printprompts.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace lunaplan {

namespace {

QPushButton* makeButton(const QString& caption, const QString& name, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

// Without any printer installed Qt falls back to a PDF printer without a file
// name, which the printer dialog lets the user fill in.
bool hasPrinter(const QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return !printer.outputFileName().isEmpty();
    return printer.isValid();
}

// One of the nine reports, or the weekly plan of `weeks` weeks from the week on show.
void drawChoice(AppState& state, PrinterFacility& printer, int index, int weeks)
{
    if (index == frmPrint::WeeklyPlanOption)
        subPrintWeeklyPlan(state, printer, state.dateSelected, weeks);
    else
        printReport(state, printer, index);
}

QString choiceCaption(int index)
{
    return index == frmPrint::WeeklyPlanOption ? WeeklyPlanCaption.toString() : reportCaption(index);
}

// Draws the report on a printer of Qt (paper or preview), in colour for the
// red and blue differences.
void printOn(QPrinter& target, AppState& state, int index, int weeks)
{
    target.setColorMode(QPrinter::Color);
    target.setDocName(choiceCaption(index));
    PainterPrinter printer(target);
    drawChoice(state, printer, index, weeks);
}

} // namespace

frmPrint::frmPrint(AppState& state, Prompts& prompts, PrintPrompts& printPrompts, QPrinter& printer,
                   QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_state(state)
    , m_prompts(prompts)
    , m_printPrompts(printPrompts)
    , m_printer(printer)
    , m_guard(prompts)
    , m_optionGroup(new QButtonGroup(this))
{
    setObjectName(u"frmPrint"_s);
    setWindowTitle(u"印刷する表を選んでください"_s);

    auto* layout = new QVBoxLayout(this);
    for (int index = 0; index < ReportCount; ++index) {
        auto* option = new QRadioButton(reportCaption(index), this);
        option->setObjectName(u"optPrint%1"_s.arg(index));
        m_optionGroup->addButton(option, index);
        m_options.append(option);
        layout->addWidget(option);
    }
    auto* weekly = new QRadioButton(WeeklyPlanCaption.toString(), this);
    weekly->setObjectName(u"optPrint%1"_s.arg(WeeklyPlanOption));
    m_optionGroup->addButton(weekly, WeeklyPlanOption);
    m_options.append(weekly);
    m_weeks = new QSpinBox(this);
    m_weeks->setObjectName(u"spnWeeks"_s);
    m_weeks->setSuffix(u" 週"_s);
    m_weeks->setRange(1, 1);
    auto* weeklyRow = new QHBoxLayout;
    weeklyRow->addWidget(weekly);
    weeklyRow->addWidget(m_weeks);
    weeklyRow->addStretch();
    layout->addLayout(weeklyRow);
    m_options.front()->setChecked(true);

    m_cmdPreview = makeButton(u"プレビュー"_s, u"cmdPreview"_s, this);
    m_cmdPdf = makeButton(u"PDF保存"_s, u"cmdPdf"_s, this);
    m_cmdPrint = makeButton(u"印刷"_s, u"cmdPrint"_s, this);
    m_cmdPrintClose = makeButton(u"閉じる"_s, u"cmdPrintClose"_s, this);
    auto* extraRow = new QHBoxLayout;
    extraRow->addWidget(m_cmdPreview);
    extraRow->addWidget(m_cmdPdf);
    auto* mainRow = new QHBoxLayout;
    mainRow->addWidget(m_cmdPrint);
    mainRow->addWidget(m_cmdPrintClose);
    layout->addSpacing(8);
    layout->addLayout(extraRow);
    layout->addLayout(mainRow);
    // Wide enough for the whole caption in the title bar.
    const int captionWidth = fontMetrics().horizontalAdvance(windowTitle()) + 120;
    setFixedSize(std::max(sizeHint().width(), captionWidth), sizeHint().height());

    connect(m_cmdPrint, &QPushButton::clicked, this, &frmPrint::cmdPrint_Click);
    connect(m_cmdPrintClose, &QPushButton::clicked, this, &frmPrint::cmdPrintClose_Click);
    pressOnEscape(this, m_cmdPrintClose);
    connect(m_cmdPreview, &QPushButton::clicked, this, &frmPrint::cmdPreview_Click);
    connect(m_cmdPdf, &QPushButton::clicked, this, &frmPrint::cmdPdf_Click);
    new WindowActivation(*this, [this] { Form_Activate(); });
}

frmPrint::~frmPrint() = default;

QString frmPrint::noDataMessage()
{
    return u"印刷するデータがありません。"_s;
}

QString frmPrint::noPrinterQuestion()
{
    return u"プリンターが見つかりません。代わりに PDF ファイルに保存しますか。"_s;
}

void frmPrint::Form_Activate()
{
    followClass();
    m_cmdPrint->setFocus();
}

void frmPrint::followClass()
{
    for (QRadioButton* option : m_options)
        option->setEnabled(m_state.intYear != 0);
    // From the week on show to the end of the year.
    m_weeks->setMaximum(std::max(1, weeksToYearEnd(m_state, m_state.dateSelected)));
}

int frmPrint::selectedReport() const
{
    return m_optionGroup->checkedId();
}

int frmPrint::reportToPrint()
{
    if (m_state.intYear == 0) {
        m_prompts.message(noDataMessage(), applicationTitle(), Prompts::Icon::None);
        return -1;
    }
    return selectedReport();
}

void frmPrint::cmdPrint_Click()
{
    m_guard.run(u"印刷できませんでした。"_s, [this] {
        const int index = reportToPrint();
        if (index < 0)
            return;
        // With no printer to choose the printer dialog could only write a PDF
        // file; PDF保存 does that with a file dialog the teacher knows.
        if (!hasPrinter(m_printer) && QPrinterInfo::availablePrinterNames().isEmpty()) {
            if (m_prompts.askYesNo(noPrinterQuestion(), applicationTitle()) == Prompts::Answer::Yes)
                savePdf(index);
            return;
        }
        if (!m_printPrompts.choosePrinter(m_printer))
            return;
        if (!hasPrinter(m_printer))
            throw PrintError(u"プリンターが見つかりません。プリンターを設定するか、"
                             u"「PDF保存」で PDF ファイルに書き出してください。"_s);
        printOn(m_printer, m_state, index, m_weeks->value());
    });
}

void frmPrint::cmdPreview_Click()
{
    m_guard.run(u"プレビューを表示できませんでした。"_s, [this] {
        const int index = reportToPrint();
        if (index < 0)
            return;
        m_printPrompts.preview(m_printer, [this, index](QPrinter& target) {
            // Drawn inside the preview's own event: nothing may escape from here.
            m_guard.run(u"プレビューを表示できませんでした。"_s,
                        [&] { printOn(target, m_state, index, m_weeks->value()); });
        });
    });
}

void frmPrint::cmdPdf_Click()
{
    m_guard.run(u"PDF に保存できませんでした。"_s, [this] {
        const int index = reportToPrint();
        if (index >= 0)
            savePdf(index);
    });
}

void frmPrint::savePdf(int index)
{
    const QString fileName = m_prompts.saveFileName(
        u"PDF に保存"_s, u"PDF ファイル (*.pdf)|*.pdf"_s,
        proposedFileName(choiceCaption(index), m_state.intYear, m_state.intGrade, m_state.strClass, u"pdf"));
    if (fileName.isEmpty())
        return;
    if (index == WeeklyPlanOption)
        writeWeeklyPlanPdf(m_state, m_state.dateSelected, m_weeks->value(), fileName);
    else
        writeReportPdf(m_state, index, fileName);
}

void frmPrint::cmdPrintClose_Click()
{
    hide();
}

} // namespace lunaplan
