#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

// A control's tag: a short text of state kept on the control itself, as its dynamic property "tag".
inline QString tagOf(const QObject* control) {
    return control->property("tag").toString();
}

inline void setTag(QObject* control, const QString& tag) {
    control->setProperty("tag", tag);
}
