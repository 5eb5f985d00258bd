#include "data/DataControl.h"

#include "data/DbError.h"
#include "data/ElectionDatabase.h"

#include <QMetaProperty>

DataControl::DataControl(QObject* parent) : QObject(parent)
{
    m_recordset.setListener(this);
}

DataControl::~DataControl()
{
    m_recordset.setListener(nullptr);
    m_recordset.close();
}

void DataControl::setDatabaseName(const QString& path)
{
    m_databaseName = path;
}

void DataControl::setRecordSource(const DataSource& source)
{
    m_recordSource = source;
}

void DataControl::Refresh()
{
    if (!m_database || m_database->path() != m_databaseName) {
        m_recordset.close();
        m_database.reset();
        m_database = std::make_shared<ElectionDatabase>(m_databaseName);
    }
    m_recordset.open(m_database, m_recordSource);
}

void DataControl::bind(QObject* control, const QString& field)
{
    unbind(control);
    Binding binding{control, field, QVariant()};
    showBinding(binding);
    m_bindings.append(binding);
}

void DataControl::unbind(QObject* control)
{
    for (int i = m_bindings.size() - 1; i >= 0; --i) {
        if (m_bindings[i].control == control || m_bindings[i].control.isNull())
            m_bindings.removeAt(i);
    }
}

QByteArray DataControl::userProperty(const QObject* control)
{
    const QMetaProperty property = control->metaObject()->userProperty();
    return property.isValid() ? QByteArray(property.name()) : QByteArray("text");
}

bool DataControl::boundDataChanged() const
{
    for (const Binding& b : m_bindings) {
        if (b.control.isNull())
            continue;
        const QVariant now = b.control->property(userProperty(b.control));
        if (now != b.shown)
            return true;
    }
    return false;
}

void DataControl::showBinding(Binding& binding)
{
    if (binding.control.isNull())
        return;
    QVariant value;
    const int column = m_recordset.fieldIndex(binding.field);
    if (column >= 0) {
        try {
            value = m_recordset.value(column);
        } catch (const DbError&) {
            value = QVariant(); // no current record: the field shows empty
        }
    }
    const QByteArray name = userProperty(binding.control);
    const QMetaProperty property = binding.control->metaObject()->property(
        binding.control->metaObject()->indexOfProperty(name));
    QVariant shown;
    if (property.isValid() && property.metaType().id() == QMetaType::Bool)
        shown = value.isValid() && value.toDouble() != 0;
    else
        shown = value.isValid() ? value.toString() : QString();
    binding.control->setProperty(name, shown);
    binding.shown = binding.control->property(name);
}

void DataControl::storeBindings()
{
    for (Binding& b : m_bindings) {
        if (b.control.isNull())
            continue;
        const QVariant now = b.control->property(userProperty(b.control));
        if (now == b.shown)
            continue; // untouched: a value set from code (a new id) is kept
        const int column = m_recordset.fieldIndex(b.field);
        if (column < 0)
            continue;
        m_recordset.setValue(column, now);
    }
}

RecordsetListener::Verdict DataControl::beforeLeave(int action)
{
    int act = action;
    int save = boundDataChanged() ? 1 : 0;
    Q_EMIT Validate(act, save);
    Verdict verdict;
    verdict.proceed = act != 0;
    verdict.save = verdict.proceed && save != 0;
    if (verdict.save) {
        if (m_recordset.EditMode() == ::Recordset::dbEditNone) {
            if (action == ::Recordset::ActionUpdate)
                return verdict;
            try {
                m_recordset.Edit();
            } catch (const DbError&) {
                verdict.save = false; // nothing to store the typing into
                return verdict;
            }
        }
        storeBindings();
    }
    return verdict;
}

void DataControl::afterReposition()
{
    for (Binding& b : m_bindings)
        showBinding(b);
    Q_EMIT Reposition();
}

void DataControl::afterFieldSet(int column)
{
    const QString name = m_recordset.fieldName(column);
    for (Binding& b : m_bindings) {
        if (b.field.compare(name, Qt::CaseInsensitive) == 0)
            showBinding(b);
    }
}

void DataControl::afterContentChanged()
{
    Q_EMIT contentChanged();
}
