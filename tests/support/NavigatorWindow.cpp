#include "NavigatorWindow.h"

#include "data/DataControl.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

NavigatorWindow::NavigatorWindow(MessageService& messages, const QString& dbPath,
                                 const DataSource& recordSource, const QString& idField,
                                 const QStringList& fields, const QString& nyttIDTyp)
    : m_fieldNames(fields)
{
    setObjectName(QStringLiteral("frmTestNavigator"));
    auto* layout = new QVBoxLayout(this);
    m_panel = new RecordPanel(messages, QStringLiteral("Test"),
                              {QStringLiteral("Frame1"), QStringLiteral("cmdButt1"),
                               QStringLiteral("lblButt1"), QStringLiteral("ProgressBar1"),
                               QStringLiteral("MSFlexGrid1"), QStringLiteral("Data1"),
                               QStringLiteral("lblMsg1")},
                              this);
    layout->addWidget(m_panel);
    for (int i = 0; i < fields.size(); ++i)
        m_fields.append(
            m_panel->addField(QStringLiteral("Text1(%1)").arg(i + 1), fields[i], fields[i], 50));
    m_check = new QCheckBox(QStringLiteral("Check1"));
    m_check->setObjectName(QStringLiteral("Check1"));
    m_panel->body()->addWidget(m_check);
    m_panel->addEntryControl(m_check);
    m_other = new QLineEdit;
    m_other->setObjectName(QStringLiteral("Text1(9)"));
    layout->addWidget(m_other);
    m_panel->setList(fields, fields, {}, {});
    m_panel->setSource(dbPath, recordSource, idField, nyttIDTyp);

    connect(&m_panel->data(), &DataControl::Validate, this, [this](int& action, int& save) {
        if (action != 6 || requiredField.isEmpty())
            return;
        const int i = int(m_fieldNames.indexOf(requiredField));
        if (i >= 0 && m_fields[i]->text().isEmpty()) {
            ++refusedSaves;
            m_panel->setValidationPassed(false);
            action = 0;
            save = 0;
        }
    });
    connect(&m_panel->data(), &DataControl::Reposition, this, [this] { ++repositions; });
}

QString NavigatorWindow::buttonPattern() const
{
    QString pattern;
    for (int i = 0; i < 9; ++i)
        pattern.append(m_panel->button(i)->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'));
    return pattern;
}

void NavigatorWindow::click(int index)
{
    QTest::mouseClick(m_panel->button(index), Qt::LeftButton);
}
