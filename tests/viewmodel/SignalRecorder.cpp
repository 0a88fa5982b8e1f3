#include "SignalRecorder.h"

#include <QMetaProperty>
#include <QStringList>

SignalRecorder::SignalRecorder(const QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const QMetaProperty property = meta->property(i);
        if (property.hasNotifySignal())
            m_spies.emplace(QString::fromLatin1(property.name()),
                std::make_unique<QSignalSpy>(object, property.notifySignal()));
    }
}

QString SignalRecorder::takeChanges()
{
    QStringList changes;
    for (auto &[name, spy] : m_spies) {
        const auto count = spy->count();
        if (count == 1)
            changes << name;
        else if (count > 1)
            changes << name + QLatin1Char('*') + QString::number(count);
        spy->clear();
    }
    return changes.join(QLatin1Char(' '));
}
