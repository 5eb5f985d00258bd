#pragma once

#include <QObject>

class Key2TextBox;
class QLineEdit;

// Calls Markera of a window's key filter whenever a text box gets the focus, so that
// typing replaces the whole field. A mouse click would put the caret at the click and
// drop that selection again, so the first click after the focus came (by Tab, by the
// program or by that very click) selects the whole text once more; later clicks place
// the caret as usual.
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
    // Selects once the event being handled is done with the box.
    void markeraSoon();

    QLineEdit* m_box;
    const Key2TextBox& m_filters;
    bool m_firstClick = false;
};
