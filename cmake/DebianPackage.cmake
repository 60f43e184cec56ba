# The Debian package "kestrune" (`make package`, or cpack in the build folder): everything `cmake --install`
# lays out, under /usr, with the stripped programs, the package's copyright and change log, and the
# dependencies: the libraries the programs link (found by dpkg-shlibdeps) and the GStreamer plugins the
# second engine's pipeline builds at run time, which no program links.

# The version the programs answer with --version.
file(STRINGS "${PROJECT_SOURCE_DIR}/shared/basecore/Product.h" KESTRUNE_VERSION_LINE
    REGEX "kProductVersion = \"[0-9.]+\"")
string(REGEX REPLACE ".*\"([0-9.]+)\".*" "\\1" KESTRUNE_PACKAGE_VERSION "${KESTRUNE_VERSION_LINE}")

install(FILES "${PROJECT_SOURCE_DIR}/data/debian/copyright"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/kestrune")
set(KESTRUNE_CHANGELOG "${CMAKE_BINARY_DIR}/data/changelog.gz")
add_custom_command(OUTPUT "${KESTRUNE_CHANGELOG}"
    COMMAND "${KESTRUNE_GZIP}" -9 -n -c "${PROJECT_SOURCE_DIR}/data/debian/changelog" > "${KESTRUNE_CHANGELOG}"
    DEPENDS "${PROJECT_SOURCE_DIR}/data/debian/changelog")
add_custom_target(kestrune_changelog ALL DEPENDS "${KESTRUNE_CHANGELOG}")
install(FILES "${KESTRUNE_CHANGELOG}" DESTINATION "${CMAKE_INSTALL_DATADIR}/doc/kestrune")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrune)
set(CPACK_PACKAGE_VERSION "${KESTRUNE_PACKAGE_VERSION}")
set(CPACK_PACKAGE_VENDOR "Kestrune")
set(CPACK_PACKAGE_CONTACT "Kestrune developers <developers@kestrune.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "media player for PCs with one or more monitors")
# Lines of at most 80 characters, as the package's description wants them.
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrune Vandrel plays a list of video and audio files in one screen window,
windowed or full screen on the monitor the user picks, while a separate control
panel manages the list, the play rule, progress, volume and mute. Two playback
engines, libmpv and GStreamer, play the files.
.
The package holds three programs: Brandock, the player; Sarnwick, a text screen
saver that the player starts on the idle monitors; and Tolvane, which makes the
player the handler of media file types or undoes that.")
# The programs and their files go to /usr; the desktop entry names the launcher at its path there.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The private libraries in the program folder are found beside the programs (RUNPATH $ORIGIN).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS
    "${KESTRUNE_PROGRAM_DIR}" "${KESTRUNE_PROGRAM_DIR}/engines")
# playbin and its decoders, the X11, XVideo and OpenGL video sinks the engine chooses from, and the audio
# sinks autoaudiosink picks.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, gstreamer1.0-libav, gstreamer1.0-x, gstreamer1.0-gl")
# Chinese texts, Qt's own dialogs in Chinese, the desktop's caches the association store refreshes, and
# GStreamer's sound on machines with ALSA alone (PulseAudio's and PipeWire's come with plugins-good).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "fonts-noto-cjk | fonts-wqy-microhei, qt6-translations-l10n, desktop-file-utils, shared-mime-info, gstreamer1.0-alsa")
# The engine installers in PlyPcks run apt-get through pkexec.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "pkexec")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
