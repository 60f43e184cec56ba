// The floor of any Qt program's start: a bare QCoreApplication made and ended, for the second-start figure.
#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return 0;
}
