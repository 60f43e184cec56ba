#include "StartRequest.h"

#include "base/CoreText.h"
#include "startcore/StartRequest.h"

StartRequest startRequestOf(const QStringList& arguments, const QString& workingFolder) {
    const startcore::StartRequest core =
        startcore::startRequestOf(coreTexts(arguments), coreText(workingFolder));
    StartRequest request;
    request.action = static_cast<StartRequest::Action>(core.action);
    request.strCommandLine = qtText(core.strCommandLine);
    request.files = qtTexts(core.files);
    request.notFound = qtTexts(core.notFound);
    return request;
}

QStringList withoutToolkitOptions(const QStringList& arguments) {
    return qtTexts(startcore::withoutToolkitOptions(coreTexts(arguments)));
}

QString strUsageText() {
    return qtText(startcore::strUsageText());
}

QString strVersionText() {
    return qtText(startcore::strVersionText());
}
