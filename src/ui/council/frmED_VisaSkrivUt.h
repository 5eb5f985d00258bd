#pragma once

#include <QDate>

#include "report/ReportWindow.h"

#include "ui/shell/WindowBase.h"

#include <QString>

#include <memory>

struct SeatResult;

struct AppServices;
class QAction;
class QLabel;
class QTextEdit;
class QtRichTextControl;

// The council result on screen: every time the window becomes active it empties its
// rich-text control and has the council engine calculate and write its report into it
// (with the district lines read from the election database when they are wanted).
// "Spara som PDF" writes the paper report of the same calculation to a file. Closing
// the window goes back to the vote entry.
class frmED_VisaSkrivUt : public WindowBase, public ReportWindow
{
    Q_OBJECT
public:
    explicit frmED_VisaSkrivUt(AppServices& services, QWidget* parent = nullptr);
    ~frmED_VisaSkrivUt() override;

    RichTextControl* activeRichText() override;

    void mnuExit_Click();
    void mnuSparaPdf_Click();
    void mnuLottning_Click();

    // How many times the report was written (for the tests).
    int runs() const { return m_runs; }

    // The setting that keeps the folder a PDF was last saved in.
    static QString pdfFolderKey() { return QStringLiteral("PdfMapp"); }
    // Where "Spara som PDF" proposes to save, and the name it proposes.
    static QString pdfFolder();
    // The proposed name of a saved report, the heading and the date:
    // "Valsit Uppsala 2026-09-13.pdf"; the committee's result window proposes the same.
    static QString pdfName(QString heading, const QDate& today);

protected:
    void onActivate() override;

private:
    QLabel* m_lblMsg = nullptr;
    QTextEdit* m_rtfPInfo = nullptr;
    std::unique_ptr<QtRichTextControl> m_control;
    QAction* m_mnuExit = nullptr;
    QAction* m_mnuSparaPdf = nullptr;
    QAction* m_mnuLottning = nullptr;
    bool m_busy = false;
    int m_runs = 0;
    std::unique_ptr<SeatResult> m_result; // the last run's, for "Lottning"
};
