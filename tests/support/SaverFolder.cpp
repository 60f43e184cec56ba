#include "SaverFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "BuildPaths.h"

SaverFolder::SaverFolder() {
    EXPECT_TRUE(QFile::copy(built::sarnwick(), program()))
        << "cannot copy the saver into " << path().toStdString();
}

bool addStandInSaverProgram(const QString& folder, const QString& name) {
    QFile program(folder + QLatin1Char('/') + name);
    const bool written = QDir().mkpath(folder) && program.open(QIODevice::WriteOnly) &&
                         program.write("#!/bin/sh\n") > 0 &&
                         program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(written) << "cannot write the saver program " << program.fileName().toStdString();
    return written;
}
