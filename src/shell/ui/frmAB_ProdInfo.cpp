#include "shell/ui/frmAB_ProdInfo.h"

#include "shell/AppGlobals.h"
#include "shell/RtfReader.h"
#include "shell/ui/WindowRegistry.h"
#include "shell/ui/WindowStateRule.h"

#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

frmAB_ProdInfo::frmAB_ProdInfo(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmAB_ProdInfo"));
    setWindowTitle(QStringLiteral("Produktinformation"));
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    m_cmdExit = new QPushButton(QStringLiteral("Avsluta"), central);
    m_cmdExit->setObjectName(QStringLiteral("cmdExit"));
    m_cmdExit->setAutoDefault(false);
    m_rtfPInfo = new QTextEdit(central);
    m_rtfPInfo->setObjectName(QStringLiteral("rtfPInfo"));
    m_rtfPInfo->setReadOnly(true);
    m_rtfPInfo->document()->setDefaultFont(QFont(QStringLiteral("Arial"), 10));
    layout->addWidget(m_cmdExit, 0, Qt::AlignLeft);
    layout->addWidget(m_rtfPInfo, 1);
    setCentralWidget(central);
    connect(m_cmdExit, &QPushButton::clicked, this, &frmAB_ProdInfo::mnuExit_Click);
    m_mnuExit = menuBar()->addAction(QStringLiteral("Avsluta"));
    m_mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(m_mnuExit, &QAction::triggered, this, &frmAB_ProdInfo::mnuExit_Click);

    m_stateRule = new WindowStateRule(this, 7428, 5004);
    resize(m_stateRule->minimumPixels().expandedTo(QSize(640, 560)));
    m_stateRule->applyOnLoad();
}

QString frmAB_ProdInfo::documentPath()
{
    // Shipped with the program: beside it in a build, in the shared folder when installed.
    const AppGlobals& globals = AppGlobals::instance();
    const QString folder = globals.shareKat.isEmpty() ? globals.programKat : globals.shareKat;
    return AppGlobals::joinPath(folder, QStringLiteral("XDInfoSV.rtf"));
}

bool frmAB_ProdInfo::event(QEvent* event)
{
    const bool result = QMainWindow::event(event);
    if (event->type() == QEvent::WindowActivate || event->type() == QEvent::Show)
        Form_Activate();
    return result;
}

void frmAB_ProdInfo::Form_Activate()
{
    const QString path = documentPath();
    QFile file(QDir::fromNativeSeparators(path));
    QString problem;
    if (!file.exists()) {
        problem = QStringLiteral("Produktinformationen saknas: filen ") +
                  QDir::toNativeSeparators(path) + QStringLiteral(" finns inte.");
    } else if (!file.open(QIODevice::ReadOnly)) {
        problem = QStringLiteral("Produktinformationen kunde inte läsas: ") + file.errorString();
    } else {
        // A document of a few pages; anything much larger is not what belongs here.
        const QByteArray data = file.read(8 * 1024 * 1024);
        if (RtfReader::read(data, *m_rtfPInfo->document()))
            return;
        problem = QStringLiteral("Produktinformationen kunde inte läsas: filen ") +
                  QDir::toNativeSeparators(path) + QStringLiteral(" är inte ett RTF-dokument.");
    }
    m_rtfPInfo->setPlainText(problem);
}

void frmAB_ProdInfo::mnuExit_Click()
{
    WindowRegistry::unload(this);
}
