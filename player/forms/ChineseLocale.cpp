#include "ChineseLocale.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "FormsLog.h"

namespace {
QLocale chinese() {
    return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
}
}  // namespace

void useChineseLocale() {
    static bool done = false;
    if (done || !QCoreApplication::instance()) return;
    done = true;
    QLocale::setDefault(chinese());
    auto* translator = new QTranslator(QCoreApplication::instance());
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator->load(chinese(), QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
        QCoreApplication::installTranslator(translator);
    } else {
        qCWarning(lcForms) << "Qt's Chinese texts not found in" << folder;
        delete translator;
    }
}

QString strChineseDateTime(const QDateTime& moment) {
    const QLocale locale = chinese();
    return locale.toString(moment.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
           moment.time().toString(QStringLiteral("HH:mm:ss"));
}
