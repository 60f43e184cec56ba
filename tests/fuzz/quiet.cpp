// Qt's own warnings (a file name with a NUL, say) say nothing the fuzzer needs, and thousands of them an
// hour slow it down.
#include <QtGlobal>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}
