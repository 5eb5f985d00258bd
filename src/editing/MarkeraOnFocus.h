#pragma once

#include <QObject>

class Key2TextBox;
class QLineEdit;

// Calls Markera of a window's key filter whenever a text box gets the focus, so that
// typing replaces the whole field. It waits until the event that gave the focus is
// handled: a mouse click would otherwise put the caret at the click and drop the
// selection again.
class MarkeraOnFocus : public QObject
{
    Q_OBJECT
public:
    // The helper belongs to the box. `filters` must outlive it (the window owns both).
    static void attach(QLineEdit* box, const Key2TextBox& filters);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MarkeraOnFocus(QLineEdit* box, const Key2TextBox& filters);

    QLineEdit* m_box;
    const Key2TextBox& m_filters;
};
