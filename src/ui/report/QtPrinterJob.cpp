#include "ui/report/QtPrinterJob.h"

#include <QPrintDialog>

QtPrinterJob::QtPrinterJob() : m_printer(QPrinter::HighResolution), m_painterPrinter(&m_printer)
{
    m_printer.setFullPage(true);
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    m_printer.setPageOrientation(QPageLayout::Portrait);
    m_printer.setDocName(QStringLiteral("Valsit"));
}

bool QtPrinterJob::choosePrinter(QWidget* parent)
{
    QPrintDialog dialog(&m_printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    // The dialog may have picked another paper; the reports are laid out for A4.
    m_printer.setFullPage(true);
    m_printer.setPageSize(QPageSize(QPageSize::A4));
    return accepted;
}
