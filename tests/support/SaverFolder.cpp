#include "SaverFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include "BuildPaths.h"

SaverFolder::SaverFolder() {
    EXPECT_TRUE(QFile::copy(built::sarnwick(), program()))
        << "cannot copy the saver into " << path().toStdString();
}
