#pragma once

#include <QMainWindow>

class QAction;
class QPushButton;
class QTextEdit;
class WindowStateRule;

// "Produktinformation": the product information document that stands next to the
// program (XDInfoSV.rtf), read again every time the window becomes active so that an
// edited document shows at once. A missing or unreadable document is said in the box.
class frmAB_ProdInfo : public QMainWindow
{
    Q_OBJECT
public:
    explicit frmAB_ProdInfo(QWidget* parent = nullptr);

    static QString documentPath();

    void Form_Activate();
    void mnuExit_Click();

protected:
    bool event(QEvent* event) override;

private:
    QTextEdit* m_rtfPInfo = nullptr;
    QPushButton* m_cmdExit = nullptr;
    QAction* m_mnuExit = nullptr;
    WindowStateRule* m_stateRule = nullptr;
};
