#pragma once

#include <QByteArray>
#include <QString>

// What the build made for the tests.
namespace built {
// The generated test media (tests/media/make-test-media): clip.webm, clip.mp4, clip.ogg, long.webm (30 s),
// tone.wav, random.bin.
QString media(const char* name);
QString engineFolder();
// The built program folder (build/dist/Kestrune).
QString programFolder();
// The plugin file of an engine (EngineLoader::kRealPlayer or kMediaPlayer) in the engines folder.
QString enginePlugin(int engine);
QString brandock();
QString engineApiLibrary();
// The library the program loads when it becomes the player.
QString playerLibrary();
QString engineProbe();
QString writeFileList();
// The association tool, and the association launcher.
QString tolvane();
QString launcher();
// The text saver program, in the program folder's saver folder.
QString sarnwick();
}  // namespace built

// The player's desktop entry as the package installs it, opening files through `launcher`.
QByteArray installedDesktopEntry(const QString& launcher);

// A file of a few bytes at path, for players on scripted engines, which never read it; answers the path.
QString makeStandInMedia(const QString& path);
