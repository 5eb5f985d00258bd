#include "WindowDriver.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QTableView>
#include <QTextEdit>
#include <QtTest>

namespace WindowDriver {

void typeText(QWidget* w, const QString& text)
{
    for (const QChar ch : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(ch), Qt::NoModifier);
}

void typeInto(QLineEdit* box, const QString& text)
{
    QVERIFY(box);
    box->setFocus();
    box->clear();
    box->selectAll();
    typeText(box, text);
}

void click(QWidget* w, const QString& name)
{
    auto* b = child<QAbstractButton>(w, name);
    QVERIFY2(b, qPrintable(name));
    QVERIFY2(b->isEnabled(), qPrintable(name + " disabled"));
    QTest::mouseClick(b, Qt::LeftButton);
}

QString menuTitle(QWidget* w, const char* name)
{
    // A menu switched off keeps its caption but is disabled: it reads as the blank.
    if (auto* m = child<QMenu>(w, name))
        return m->menuAction()->isEnabled() ? m->title() : " ";
    if (auto* a = child<QAction>(w, name))
        return a->isEnabled() ? a->text() : " ";
    return "<no " + QString(name) + ">";
}

void trigger(QWidget* w, const char* name)
{
    auto* a = child<QAction>(w, name);
    QVERIFY2(a, name);
    a->trigger();
}

QStringList gridColumn(QWidget* w, const char* grid, int column)
{
    const QAbstractItemModel* m = child<QTableView>(w, grid)->model();
    QStringList values;
    for (int r = 0; r < m->rowCount(); ++r)
        values.append(m->index(r, column).data().toString());
    return values;
}

int markedRow(QWidget* w, const char* grid)
{
    const QModelIndexList rows = child<QTableView>(w, grid)->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.first().row() + 1 : -1;
}

QString reportText(QWidget* w)
{
    return child<QTextEdit>(w, "rtfPInfo")->toPlainText();
}

} // namespace WindowDriver
