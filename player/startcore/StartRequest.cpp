#include "StartRequest.h"

#include <algorithm>
#include <array>

#include "FileListBlockWriter.h"
#include "basecore/FileSystemNames.h"
#include "basecore/Product.h"

namespace {
char16_t lowered(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Whether the text holds "http" in any case.
bool isAddress(std::u16string_view text) {
    constexpr std::u16string_view http = u"http";
    return std::search(text.begin(), text.end(), http.begin(), http.end(),
                       [](char16_t a, char16_t b) { return lowered(a) == b; }) != text.end();
}

std::u16string latin1(const char* text) {
    return std::u16string(text, text + std::char_traits<char>::length(text));
}
}  // namespace

namespace startcore {

StartRequest startRequestOf(const std::vector<std::u16string>& arguments, std::u16string_view workingFolder) {
    using basecore::strAbsolutePathIn;
    StartRequest request;
    if (arguments.empty()) return request;
    std::u16string whole;
    for (const std::u16string& argument : arguments) {
        if (&argument != &arguments.front()) whole += u' ';
        whole += argument;
    }
    const bool wholeExists = basecore::boolExistsOnDisk(strAbsolutePathIn(workingFolder, whole));
    if (arguments.size() == 1 && !wholeExists) {
        if (whole == u"--help" || whole == u"-h") {
            request.action = StartRequest::Action::PrintUsage;
            return request;
        }
        if (whole == u"--version") {
            request.action = StartRequest::Action::PrintVersion;
            return request;
        }
    }
    if (filelist::commandModeOf(whole) != filelist::CommandMode::Single || arguments.size() == 1 ||
        wholeExists) {
        request.strCommandLine = wholeExists ? strAbsolutePathIn(workingFolder, whole) : whole;
        return request;
    }
    for (const std::u16string& argument : arguments) {
        if (isAddress(argument)) {
            request.files.push_back(argument);
        } else if (basecore::boolIsFileOnDisk(strAbsolutePathIn(workingFolder, argument))) {
            request.files.push_back(strAbsolutePathIn(workingFolder, argument));
        } else {
            request.notFound.push_back(argument);
        }
    }
    if (request.files.size() == 1) {
        request.strCommandLine = std::move(request.files.front());
        request.files.clear();
    }
    return request;
}

std::vector<std::u16string> withoutToolkitOptions(const std::vector<std::u16string>& arguments) {
    // QGuiApplication's, QApplication's and the X11 platform's options, as Qt 6 reads them: with a value
    // that follows them, or on their own.
    static constexpr std::array<std::u16string_view, 15> withValue{u"-platform",
                                                                   u"-platformpluginpath",
                                                                   u"-platformtheme",
                                                                   u"-plugin",
                                                                   u"-qwindowgeometry",
                                                                   u"-geometry",
                                                                   u"-qwindowtitle",
                                                                   u"-title",
                                                                   u"-qwindowicon",
                                                                   u"-icon",
                                                                   u"-session",
                                                                   u"-display",
                                                                   u"-name",
                                                                   u"-style",
                                                                   u"-stylesheet"};
    static constexpr std::array<std::u16string_view, 6> alone{u"-reverse", u"-widgetcount", u"-nograb",
                                                              u"-dograb",  u"-sync",        u"-testability"};
    static constexpr std::array<std::u16string_view, 3> joined{u"-style=", u"-stylesheet=",
                                                               u"-qmljsdebugger="};
    const auto among = [](const auto& options, std::u16string_view option) {
        return std::find(options.begin(), options.end(), option) != options.end();
    };
    std::vector<std::u16string> kept;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        // Qt takes "--platform" for "-platform" as well.
        std::u16string_view option = arguments[i];
        if (option.starts_with(u"--")) option.remove_prefix(1);
        if (among(withValue, option)) {
            ++i;  // the value, when there is one
        } else if (!among(alone, option) &&
                   std::none_of(joined.begin(), joined.end(),
                                [&](std::u16string_view prefix) { return option.starts_with(prefix); })) {
            kept.push_back(arguments[i]);
        }
    }
    return kept;
}

std::u16string strUsageText() {
    return u"用法: brandock [文件或网址...]\n"
           u"  不带参数      打开播放器和保存的播放列表\n"
           u"  文件或网址    加入播放列表并播放第一个；播放器已在运行时交给它\n"
           u"  --help, -h    显示本说明\n"
           u"  --version     显示版本\n";
}

std::u16string strVersionText() {
    return u"brandock (" + latin1(kProductName) + u") " + latin1(kProductVersion) + u"\n";
}

}  // namespace startcore
