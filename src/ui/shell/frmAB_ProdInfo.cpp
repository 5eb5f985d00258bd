#include "ui/shell/frmAB_ProdInfo.h"

#include "shell/AppGlobals.h"
#include "shell/RtfReader.h"
#include "ui/shell/AppServices.h"
#include "ui/shell/WindowRegistry.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

// The document is read again at every activation, so an edited one shows at once.
frmAB_ProdInfo::frmAB_ProdInfo(AppServices& appServices, QWidget* parent)
    : WindowBase(appServices, QStringLiteral("frmAB_ProdInfo"),
                 QStringLiteral("Produktinformation"), EveryActivation, parent)
{
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
    onClicked(m_cmdExit, &frmAB_ProdInfo::mnuExit_Click);
    addMenuItem(menuBar(), QStringLiteral("Avsluta"), "mnuExit", &frmAB_ProdInfo::mnuExit_Click);
    setDesignSize(7428, 5004);
    applyWindowState(QSize(640, 560));
}

QString frmAB_ProdInfo::documentPath()
{
    // Shipped with the program: beside it in a build, in the shared folder when installed.
    const AppGlobals& globals = AppGlobals::instance();
    const QString folder = globals.shareKat.isEmpty() ? globals.programKat : globals.shareKat;
    return AppGlobals::joinPath(folder, QStringLiteral("XDInfoSV.rtf"));
}

void frmAB_ProdInfo::onActivate()
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
        const QByteArray bytes = file.read(8 * 1024 * 1024);
        if (RtfReader::read(bytes, *m_rtfPInfo->document()))
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
