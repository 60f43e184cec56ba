#include "StartRequest.h"

#include <algorithm>

#include "base/FileSystemNames.h"
#include "base/Product.h"
#include "handover/FileListCommand.h"

namespace {
bool isAddress(const QString& text) {
    return text.contains(QLatin1String("http"), Qt::CaseInsensitive);
}

QString absoluteIn(const QString& folder, const QString& path) {
    return strAbsolutePathIn(folder, path);
}
}  // namespace

StartRequest startRequestOf(const QStringList& arguments, const QString& workingFolder) {
    StartRequest request;
    if (arguments.isEmpty()) return request;
    const QString whole = arguments.join(QLatin1Char(' '));
    const bool wholeExists = boolExistsOnDisk(absoluteIn(workingFolder, whole));
    if (arguments.size() == 1 && !wholeExists) {
        if (whole == QLatin1String("--help") || whole == QLatin1String("-h")) {
            request.action = StartRequest::Action::PrintUsage;
            return request;
        }
        if (whole == QLatin1String("--version")) {
            request.action = StartRequest::Action::PrintVersion;
            return request;
        }
    }
    if (commandModeOf(whole) != CommandMode::Single || arguments.size() == 1 || wholeExists) {
        request.strCommandLine = wholeExists ? absoluteIn(workingFolder, whole) : whole;
        return request;
    }
    for (const QString& argument : arguments) {
        if (isAddress(argument)) {
            request.files << argument;
        } else if (boolIsFileOnDisk(absoluteIn(workingFolder, argument))) {
            request.files << absoluteIn(workingFolder, argument);
        } else {
            request.notFound << argument;
        }
    }
    if (request.files.size() == 1) request.strCommandLine = request.files.takeFirst();
    return request;
}

QStringList withoutToolkitOptions(const QStringList& arguments) {
    // QGuiApplication's, QApplication's and the X11 platform's options, as Qt 6 reads them: with a value
    // that follows them, or on their own.
    static const QStringList withValue =
        QStringLiteral(
            "-platform -platformpluginpath -platformtheme -plugin -qwindowgeometry -geometry "
            "-qwindowtitle -title -qwindowicon -icon -session -display -name -style -stylesheet")
            .split(QLatin1Char(' '));
    static const QStringList alone =
        QStringLiteral("-reverse -widgetcount -nograb -dograb -sync -testability").split(QLatin1Char(' '));
    static const QStringList joined =
        QStringLiteral("-style= -stylesheet= -qmljsdebugger=").split(QLatin1Char(' '));
    QStringList kept;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        // Qt takes "--platform" for "-platform" as well.
        QString option = arguments.at(i);
        if (option.startsWith(QLatin1String("--"))) option.remove(0, 1);
        if (withValue.contains(option)) {
            ++i;  // the value, when there is one
        } else if (!alone.contains(option) &&
                   std::none_of(joined.begin(), joined.end(),
                                [&](const QString& prefix) { return option.startsWith(prefix); })) {
            kept << arguments.at(i);
        }
    }
    return kept;
}

QString strUsageText() {
    return QStringLiteral(
        "用法: brandock [文件或网址...]\n"
        "  不带参数      打开播放器和保存的播放列表\n"
        "  文件或网址    加入播放列表并播放第一个；播放器已在运行时交给它\n"
        "  --help, -h    显示本说明\n"
        "  --version     显示版本\n");
}

QString strVersionText() {
    return QStringLiteral("brandock (%1) %2\n")
        .arg(QLatin1String(kProductName), QLatin1String(kProductVersion));
}
