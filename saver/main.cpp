#include "SaverMain.h"

int main(int argc, char* argv[]) {
    return saverMain(argc, argv);
}
