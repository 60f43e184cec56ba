#include "TolvaneMain.h"

int main(int argc, char* argv[]) {
    return tolvaneMain(argc, argv);
}
