#pragma once

#include "ui/common/handlerguard.h"

#include <QList>
#include <QWidget>

class QButtonGroup;
class QPrinter;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace lunaplan {

class AppState;
class PrintPrompts;
class Prompts;

// The print dialog: the nine reports as options, 印刷 (through the printer
// dialog), プレビュー (print preview), PDF保存 (a PDF file, no printer needed)
// and 閉じる, which only hides the window so the choice is kept.
class frmPrint : public QWidget {
    Q_OBJECT

public:
    // Keeps references to the state, the prompts and the printer the reports
    // print on; all must outlive the window.
    frmPrint(AppState& state, Prompts& prompts, PrintPrompts& printPrompts, QPrinter& printer,
             QWidget* parent = nullptr);
    ~frmPrint() override;

    // Runs on every activation: the focus goes to 印刷.
    void Form_Activate();
    // The class changed: without a class there is no report to choose.
    void followClass();
    void cmdPrint_Click();
    void cmdPrintClose_Click();
    void cmdPreview_Click();
    void cmdPdf_Click();

    // The chosen option, 0 … 8, WeeklyPlanOption; -1 when none is.
    int selectedReport() const;
    // The weekly plan (週案) of the week on show in the main window and the
    // weeks after it, as many as spnWeeks says.
    static constexpr int WeeklyPlanOption = 9;
    QSpinBox* spnWeeks() const { return m_weeks; }
    QRadioButton* optPrint(int index) const { return m_options.value(index); }
    QPushButton* cmdPrint() const { return m_cmdPrint; }
    QPushButton* cmdPrintClose() const { return m_cmdPrintClose; }
    QPushButton* cmdPreview() const { return m_cmdPreview; }
    QPushButton* cmdPdf() const { return m_cmdPdf; }

    // The message when there is no class year to print.
    static QString noDataMessage();
    // The question of 印刷 when the system has no printer at all: はい saves
    // the report as a PDF file instead.
    static QString noPrinterQuestion();

private:
    // The chosen report, or -1 after the no-data message (or with no choice).
    int reportToPrint();
    // The save dialog, then the report as a PDF file (nothing on cancel).
    void savePdf(int index);

    AppState& m_state;
    Prompts& m_prompts;
    PrintPrompts& m_printPrompts;
    QPrinter& m_printer;
    HandlerGuard m_guard;
    QList<QRadioButton*> m_options;
    QButtonGroup* m_optionGroup = nullptr;
    QSpinBox* m_weeks = nullptr;
    QPushButton* m_cmdPrint = nullptr;
    QPushButton* m_cmdPrintClose = nullptr;
    QPushButton* m_cmdPreview = nullptr;
    QPushButton* m_cmdPdf = nullptr;
};

} // namespace lunaplan
