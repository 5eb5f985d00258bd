#include "cli/PdfOutput.h"

#include "cli/CalcError.h"

#include <QFileInfo>

PdfOutput::PdfOutput(const QString& fileName, const QString& title)
    : m_fileName(fileName), m_saveFile(fileName), m_device(fileName)
{
    const QFileInfo info(fileName);
    // Only a regular file can be written aside and renamed; renaming over a device would
    // replace the device itself.
    m_file = info.exists() && !info.isFile() ? static_cast<QFileDevice*>(&m_device)
                                             : static_cast<QFileDevice*>(&m_saveFile);
    if (!m_file->open(QIODevice::WriteOnly))
        failed();
    m_printer = std::make_unique<PdfPrinter>(m_file, title);
}

PdfOutput::~PdfOutput()
{
    m_printer.reset();
    if (m_file == &m_saveFile && m_saveFile.isOpen())
        m_saveFile.cancelWriting();
}

void PdfOutput::failed() const
{
    throw CalcError(QStringLiteral("%1 kunde inte skrivas; se efter att disken inte är full och "
                                   "att mappen finns och är skrivbar")
                        .arg(m_fileName));
}

int PdfOutput::finish()
{
    m_printer->endDoc();
    const int pages = m_printer->pageCount();
    m_printer.reset();
    if (m_file == &m_saveFile) {
        if (!m_saveFile.commit())
            failed();
    } else {
        const bool ok = m_device.error() == QFileDevice::NoError && m_device.flush();
        m_device.close();
        if (!ok || m_device.error() != QFileDevice::NoError)
            failed();
    }
    return pages;
}
