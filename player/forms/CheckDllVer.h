#pragma once

#include <QString>

class EngineLoader;

// An engine library's version as four numbers, and the version rule that counts an engine as installed.
class CheckDllVer {
  public:
    // The engine's version as "major.minor.build.revision" from the version text its library gives
    // ("libmpv 0.35.1", "GStreamer 1.22.0"); "N/A" when the engine is not installed or names no version.
    static QString GetVersionInfo(const EngineLoader& engines, int engine);
    // The same for a version text; missing numbers count as 0.
    static QString strFourPartVersion(const QString& versionText);
    // True exactly when the number before the first "." is at least minimumMajor; "N/A" and a text without
    // a "." cannot be judged and count as not installed.
    static bool boolMajorAtLeast(const QString& version, int minimumMajor);
};
