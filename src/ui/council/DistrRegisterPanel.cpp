#include "ui/council/DistrRegisterPanel.h"

#include "ui/editing/DAOdataCtl.h"
#include "ui/editing/Key2TextBox.h"
#include "ui/editing/MarkeraOnFocus.h"

#include <QLineEdit>

DistrRegisterPanel::DistrRegisterPanel(MessageService& messages, const Key2TextBox& keys,
                                       QWidget* parent)
    : RecordPanel(messages, QStringLiteral("Lägg till / Ändra / Ta bort distrikt"),
                  {QStringLiteral("Frame4"), QStringLiteral("cmdButt2"), QStringLiteral("lblButt2"),
                   QStringLiteral("ProgressBar2"), QStringLiteral("MSFlexGrid2"),
                   QStringLiteral("Data2"), QStringLiteral("lblMsg2")},
                  parent)
{
    m_text2[1] = addField(QStringLiteral("Text2(1)"), QStringLiteral("Distrikt nr"),
                          QStringLiteral("DistrNr"), 6, 1100);
    m_text2[2] = addField(QStringLiteral("Text2(2)"), QStringLiteral("Distrikt namn"),
                          QStringLiteral("DistrNamn"), 50);
    // The district number is a number in the database: letters would only be refused
    // later, as a program error.
    keys.hook(m_text2[1], &Key2TextBox::txt0_9);
    for (int i = 1; i <= 2; ++i)
        MarkeraOnFocus::attach(m_text2[i], keys);
    setFocusField(m_text2[1]);
    setKeepsLastRecord(true);
    navigator().setCaptionFields({QStringLiteral("DistrNr"), QStringLiteral("DistrNamn")});
    // The id column is all but hidden.
    setList({QStringLiteral("DistrID"), QStringLiteral("DistrNr"), QStringLiteral("DistrNamn")},
            {QStringLiteral("Id"), QStringLiteral("Nr"), QStringLiteral("Distrikt")}, {10, 1100},
            {Qt::AlignCenter, Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter});
}
