#pragma once

#include "report/PdfPrinter.h"
#include "report/PrinterChoice.h"

#include <QGuiApplication>
#include <QString>

#include <memory>

// A print dialog for the tests: confirmed or cancelled as the script says, and a
// confirmed printout goes to a PDF file. The script counts the dialogs shown.
class FakePrinterChoice : public PrinterChoice
{
public:
    struct Script
    {
        bool confirm = true;
        QString pdfPath;
        int dialogs = 0;
        bool busyPointer = false; // the hourglass was up over a dialog
    };

    explicit FakePrinterChoice(Script& script) : m_script(script) {}

    bool choosePrinter() override
    {
        ++m_script.dialogs;
        m_script.busyPointer = m_script.busyPointer || QGuiApplication::overrideCursor();
        if (m_script.confirm)
            m_pdf = std::make_unique<PdfPrinter>(m_script.pdfPath);
        return m_script.confirm;
    }
    Printer* printer() override { return m_pdf.get(); }

private:
    Script& m_script;
    std::unique_ptr<PdfPrinter> m_pdf;
};
