#include "NavigatorWindow.h"

#include "editing/DAOdataCtl.h"
#include "data/DataControl.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

NavigatorWindow::NavigatorWindow(MessageService& messages, const QString& dbPath,
                                 const QString& recordSource, const QString& idField,
                                 const QStringList& fields, const QString& nyttIDTyp)
    : m_fieldNames(fields)
{
    setObjectName(QStringLiteral("frmTestNavigator"));
    auto* layout = new QGridLayout(this);
    const QStringList captions = {"|<<",   "<",     ">",       ">>|",  "Ny",
                                  "Ändra", "Spara", "Ta bort", "Ångra"};
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QPushButton(captions[i]);
        b->setObjectName(QStringLiteral("cmdButt1(%1)").arg(i));
        connect(b, &QPushButton::clicked, this, [this, i] { m_navigator->StartDBC(i); });
        layout->addWidget(b, 0, i);
        m_buttons.append(b);
    }
    m_label = new QLabel(QStringLiteral("lblButt1"));
    m_label->setObjectName(QStringLiteral("lblButt1"));
    layout->addWidget(m_label, 1, 0, 1, 3);
    m_progress = new QProgressBar;
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    layout->addWidget(m_progress, 1, 3, 1, 6);

    m_data = new DataControl(this);
    m_data->setObjectName(QStringLiteral("Data1"));
    for (int i = 0; i < fields.size(); ++i) {
        auto* box = new QLineEdit;
        box->setObjectName(QStringLiteral("Text1(%1)").arg(i + 1));
        box->setReadOnly(true); // browsing until "Ny" or "Ändra"
        DAOdataCtl::setControlTag(box, QStringLiteral("1"));
        m_data->bind(box, fields[i]);
        layout->addWidget(box, 2 + i, 0, 1, 9);
        m_fields.append(box);
    }
    m_check = new QCheckBox(QStringLiteral("Check1"));
    m_check->setObjectName(QStringLiteral("Check1"));
    DAOdataCtl::setControlTag(m_check, QStringLiteral("1"));
    layout->addWidget(m_check, 2 + int(fields.size()), 0, 1, 9);
    m_other = new QLineEdit;
    m_other->setObjectName(QStringLiteral("Text1(9)"));
    DAOdataCtl::setControlTag(m_other, QStringLiteral("2"));
    layout->addWidget(m_other, 3 + int(fields.size()), 0, 1, 9);

    connect(m_data, &DataControl::Validate, this, [this](int& action, int& save) {
        if (action != 6 || requiredField.isEmpty())
            return;
        const int i = int(m_fieldNames.indexOf(requiredField));
        if (i >= 0 && m_fields[i]->text().isEmpty()) {
            ++refusedSaves;
            action = 0;
            save = 0;
        }
    });
    connect(m_data, &DataControl::Reposition, this, [this] { ++repositions; });

    m_navigator = new DAOdataCtl(messages, this);
    m_navigator->setButtons(QStringLiteral("cmdButt1"));
    m_navigator->setLabelToUpdate(m_label->text());
    m_navigator->setTag(QStringLiteral("1"));
    m_navigator->setProgressBar(m_progress);
    m_navigator->setFormName(this);
    m_navigator->setDAOCtl(m_data);
    m_navigator->setDBName(dbPath);
    m_navigator->setRecordSource(recordSource);
    m_navigator->setIDField(idField);
    m_navigator->setNyttIDTyp(nyttIDTyp);
}

QPushButton* NavigatorWindow::button(int index) const
{
    return m_buttons.value(index);
}

QLineEdit* NavigatorWindow::field(int index) const
{
    return m_fields.value(index - 1);
}

QString NavigatorWindow::buttonPattern() const
{
    QString pattern;
    for (const QPushButton* b : m_buttons)
        pattern.append(b->isEnabled() ? QLatin1Char('1') : QLatin1Char('0'));
    return pattern;
}

void NavigatorWindow::click(int index)
{
    QTest::mouseClick(m_buttons[index], Qt::LeftButton);
}
