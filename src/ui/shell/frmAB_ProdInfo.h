#pragma once

#include "ui/shell/WindowBase.h"

struct AppServices;
class QPushButton;
class QTextEdit;

// "Produktinformation": the product information document that stands next to the
// program (XDInfoSV.rtf), read again every time the window becomes active so that an
// edited document shows at once. A missing or unreadable document is said in the box.
class frmAB_ProdInfo : public WindowBase
{
    Q_OBJECT
public:
    explicit frmAB_ProdInfo(AppServices& services, QWidget* parent = nullptr);

    static QString documentPath();

    void mnuExit_Click();

protected:
    void onActivate() override;

private:
    QTextEdit* m_rtfPInfo = nullptr;
    QPushButton* m_cmdExit = nullptr;
};
