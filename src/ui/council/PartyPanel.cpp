#include "ui/council/PartyPanel.h"

#include "council/CouncilRules.h"

#include "data/DataControl.h"
#include "shell/AppInfo.h"
#include "shell/MessageService.h"
#include "ui/editing/DAOdataCtl.h"
#include "ui/editing/Key2TextBox.h"
#include "ui/editing/MarkeraOnFocus.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

int twips(int t)
{
    return (t + 14) / 15;
}

QRadioButton* option(const QString& text, const QString& name, QWidget* parent)
{
    auto* button = new QRadioButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

PartyPanel::PartyPanel(MessageService& messages, const Key2TextBox& keys, QWidget* parent)
    : RecordPanel(messages, QStringLiteral("Antal röster per parti"),
                  {QStringLiteral("Frame1"), QStringLiteral("cmdButt1"), QStringLiteral("lblButt1"),
                   QStringLiteral("ProgressBar1"), QStringLiteral("MSFlexGrid1"),
                   QStringLiteral("Data1"), QStringLiteral("lblMsg1")},
                  parent),
      m_messages(messages)
{
    m_text1[1] = addField(QStringLiteral("Text1(1)"), QStringLiteral("Parti kod"),
                          QStringLiteral("PartiID"), 6, 1100);
    m_text1[2] = addField(QStringLiteral("Text1(2)"), QStringLiteral("Partinamn"),
                          QStringLiteral("PartiNamn"), 30);
    m_text1[3] = addField(QStringLiteral("Text1(3)"), QStringLiteral("Antal röster"),
                          QStringLiteral("Roster"), 7, 1500);
    m_text1[3]->setAlignment(Qt::AlignRight);
    setKeyField(m_text1[1]);
    setFocusField(m_text1[3]);
    setKeepsLastRecord(true);
    navigator().setCaptionFields({QStringLiteral("PartiID"), QStringLiteral("PartiNamn")});
    setList({QStringLiteral("PartiID"), QStringLiteral("Roster"), QStringLiteral("Partinamn")},
            {QStringLiteral("Parti kod"), QStringLiteral("Röster"), QStringLiteral("Partinamn")},
            {900, 1100}, {Qt::AlignCenter, Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter});
    buildChoices();

    keys.hook(m_text1[1], &Key2TextBox::txtAlphaNum);
    keys.hook(m_text1[3], &Key2TextBox::txt0_9);
    keys.hook(m_text1[4], &Key2TextBox::txt0_9);
    for (int i = 1; i <= 4; ++i)
        MarkeraOnFocus::attach(m_text1[i], keys);
    connect(m_text1[4], &QLineEdit::textEdited, this,
            [this](const QString& text) { showLength(text, 3); });
    connect(&data(), &DataControl::Validate, this, &PartyPanel::Data1_Validate);
}

void PartyPanel::buildChoices()
{
    // Along the bottom: comparison numbers, districts, seats, rules, screen or paper,
    // and "&Fortsätt".
    auto* bottom = new QHBoxLayout;
    auto* fRedJmf = new QGroupBox(QStringLiteral("Redovisa jämförelsetal"), this);
    fRedJmf->setObjectName(QStringLiteral("fRedJmf"));
    auto* jmf = new QVBoxLayout(fRedJmf);
    m_check2 = new QCheckBox(QStringLiteral("Skriv ut jämförelsetalen"), fRedJmf);
    m_check2->setObjectName(QStringLiteral("Check2"));
    m_antDec[0] = option(QStringLiteral("alla decimaler"), QStringLiteral("AntDec(0)"), fRedJmf);
    m_antDec[1] = option(QStringLiteral("två decimaler"), QStringLiteral("AntDec(1)"), fRedJmf);
    m_antDec[1]->setChecked(true);
    jmf->addWidget(m_check2);
    jmf->addWidget(m_antDec[0]);
    jmf->addWidget(m_antDec[1]);
    bottom->addWidget(fRedJmf);

    auto* middle = new QVBoxLayout;
    m_check1 = new QCheckBox(QStringLiteral("Redovisa Distrikt"), this);
    m_check1->setObjectName(QStringLiteral("Check1"));
    middle->addWidget(m_check1);
    auto* frame2 = new QGroupBox(QStringLiteral("Fullmäktigevalsit att fördela"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    auto* seats = new QHBoxLayout(frame2);
    m_text1[4] = new QLineEdit(frame2);
    m_text1[4]->setObjectName(QStringLiteral("Text1(4)"));
    m_text1[4]->setMaximumWidth(twips(900));
    m_text1[4]->setAlignment(Qt::AlignRight);
    QPalette yellow = m_text1[4]->palette();
    yellow.setColor(QPalette::Base, QColor(0xFF, 0xFF, 0x80));
    m_text1[4]->setPalette(yellow);
    seats->addWidget(m_text1[4]);
    seats->addWidget(new QLabel(QStringLiteral("Ange siffra mellan 5 och 350"), frame2));
    middle->addWidget(frame2);
    bottom->addLayout(middle);

    auto* fRegler = new QGroupBox(QStringLiteral("Regler"), this);
    fRegler->setObjectName(QStringLiteral("fRegler"));
    auto* rules = new QGridLayout(fRegler);
    // The rules by name; only "Egna värden" lets the user set the two values.
    m_cboRegler = new QComboBox(fRegler);
    m_cboRegler->setObjectName(QStringLiteral("cboRegler"));
    for (CouncilRules::Named named : {CouncilRules::Today, CouncilRules::Older, CouncilRules::Own})
        m_cboRegler->addItem(CouncilRules::namedText(named));
    connect(m_cboRegler, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &PartyPanel::cboRegler_Change);
    rules->addWidget(m_cboRegler, 0, 0, 1, 2);
    m_cboForstaDivisor = new QComboBox(fRegler);
    m_cboForstaDivisor->setObjectName(QStringLiteral("cboForstaDivisor"));
    m_cboForstaDivisor->addItem(QStringLiteral("1,4"));
    m_cboForstaDivisor->addItem(QStringLiteral("1,2"));
    m_txtSparr = new QLineEdit(fRegler);
    m_txtSparr->setObjectName(QStringLiteral("txtSparr"));
    m_txtSparr->setMaximumWidth(twips(900));
    m_txtSparr->setAlignment(Qt::AlignRight);
    rules->addWidget(new QLabel(QStringLiteral("Första divisor"), fRegler), 1, 0);
    rules->addWidget(m_cboForstaDivisor, 1, 1);
    rules->addWidget(new QLabel(QStringLiteral("Spärr i procent (0 = ingen)"), fRegler), 2, 0);
    rules->addWidget(m_txtSparr, 2, 1);
    bottom->addWidget(fRegler);

    auto* frame3 = new QGroupBox(this);
    frame3->setObjectName(QStringLiteral("Frame3"));
    auto* where = new QVBoxLayout(frame3);
    m_option1[0] = option(QStringLiteral("Visa"), QStringLiteral("Option1(0)"), frame3);
    m_option1[1] = option(QStringLiteral("Skriv ut"), QStringLiteral("Option1(1)"), frame3);
    m_option1[0]->setChecked(true);
    where->addWidget(m_option1[0]);
    where->addWidget(m_option1[1]);
    bottom->addWidget(frame3);

    bottom->addStretch(1);
    m_cmdNext = new QPushButton(QStringLiteral("&Fortsätt"), this);
    m_cmdNext->setObjectName(QStringLiteral("cmdNext"));
    m_cmdNext->setAutoDefault(false);
    bottom->addWidget(m_cmdNext, 0, Qt::AlignBottom);
    body()->addLayout(bottom);
}

void PartyPanel::Data1_Validate(int& Action, int& Save)
{
    if (Action != 6)
        return;
    const auto tell = [this](const QString& text, int field) {
        m_messages.msgBox(text, MessageService::Ok, MessageService::Information,
                          AppInfo::appNamn());
        m_text1[field]->setFocus();
    };
    const auto refuse = [&](const QString& text, int field) {
        tell(text, field);
        setValidationPassed(false);
        Action = 0;
        Save = 0;
    };
    if (m_text1[1]->text().isEmpty()) {
        refuse(QStringLiteral("Ange 'Parti kod'"), 1);
        return;
    }
    setCurrentId(m_text1[1]->text());
    if (m_text1[2]->text().isEmpty()) {
        refuse(QStringLiteral("Ange 'Partinamn'"), 2);
        return;
    }
    if (m_text1[3]->text().isEmpty()) {
        refuse(QStringLiteral("Ange 'Antal röster'"), 3);
        return;
    }
    if (m_text1[3]->text() == QLatin1String("0"))
        tell(QStringLiteral("Parti med 0 röster kan inte ingå"), 3);
}

void PartyPanel::setRules(const CouncilRules& rules)
{
    m_cboForstaDivisor->setCurrentIndex(std::lround(rules.forstaDivisor * 10) == 12 ? 1 : 0);
    m_txtSparr->setText(CouncilRules::sparrText(rules.sparr));
    m_cboRegler->setCurrentIndex(rules.named(m_valkretsar));
    cboRegler_Change(rules.named(m_valkretsar));
}

void PartyPanel::setValkretsar(bool on)
{
    m_valkretsar = on;
    m_cboRegler->setItemText(CouncilRules::Today, CouncilRules::namedText(CouncilRules::Today, on));
}

void PartyPanel::cboRegler_Change(int Index)
{
    const auto named = static_cast<CouncilRules::Named>(Index);
    if (named != CouncilRules::Own) {
        const CouncilRules rules = CouncilRules::of(named, m_valkretsar);
        m_cboForstaDivisor->setCurrentIndex(std::lround(rules.forstaDivisor * 10) == 12 ? 1 : 0);
        m_txtSparr->setText(CouncilRules::sparrText(rules.sparr));
    }
    m_cboForstaDivisor->setEnabled(named == CouncilRules::Own);
    m_txtSparr->setEnabled(named == CouncilRules::Own);
}
