#include "report/PageFrame.h"

#include "report/Printer.h"
#include "report/xxPrt.h"

void PageFrame::SkrivarInit()
{
    m_prt.PrtInit();
    m_prt.plainFont = QStringLiteral("Times New Roman");
    m_prt.headingFont = QStringLiteral("Arial");
    m_prt.standardSize = 11;
    m_prt.footerSize = 8;
    // A4 in twips with the origin an inch in and 500 twips down.
    m_prt.printer()->beginDoc();
    m_prt.bottomLimit = 14200;
    m_prt.rightEdge = 9900;
    m_prt.pageNumber = 1;
}

void PageFrame::SidStart()
{
    SidFot();
    m_prt.printer()->setCurrentX(0);
    m_prt.printer()->setCurrentY(0);
}

void PageFrame::NySida()
{
    ++m_prt.pageNumber;
    m_prt.printer()->newPage();
    SidStart();
}

void PageFrame::SidFot()
{
    m_prt.PrtLinje(m_prt.bottomLimit + 200);

    m_prt.PrtFotText();
    m_prt.PrtVanstermarg();
    m_prt.printer()->setCurrentY(m_prt.bottomLimit + 360);
    m_prt.PrtRad(QLatin1Char(' ') + m_header.organisation + QLatin1Char(' '));

    // The date on the same line as the organisation, flush right.
    m_prt.PrtFotText();
    m_prt.printer()->setCurrentY(m_prt.bottomLimit + 360);
    m_prt.PrtHogerMarg(QLatin1Char(' ') + m_header.orderDate);

    m_prt.PrtNormal();
    m_prt.PrtHogerMarg(QStringLiteral("Sida ") + QString::number(m_prt.pageNumber));
}

bool PageFrame::breakBefore(double height)
{
    if (m_prt.printer()->currentY() + height <= m_prt.bottomLimit)
        return false;
    const xxPrt::Font font = m_prt.currentFont();
    NySida();
    if (!font.name.isEmpty())
        m_prt.setFont(font);
    return true;
}

bool PageFrame::breakBeforeLine()
{
    return breakBefore(m_prt.textHeight(QStringLiteral("Text")));
}
