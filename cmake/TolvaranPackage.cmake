# `cpack` (from a configured build folder, after `cmake --build`) makes a
# Debian package of what `cmake --install` puts in place. The shared libraries
# the binaries link are computed by dpkg-shlibdeps; what they load at run time
# (QML modules, Qt and GStreamer plugins, fonts) and the data the local server
# reads (speech model, translation pairs) it cannot see, so they are listed.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tolvaran)
set(CPACK_PACKAGE_VENDOR "Tolvaran")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Translates live calls while they happen")
set(CPACK_PACKAGE_DESCRIPTION [[
Tolvaran captures what the computer plays (and, if you want, the
microphone), sends it to a translation server and shows the recognised
words and their translation in a floating overlay or as subtitles. It
records calls with a timed transcript and plays them back. Its local
server, tolvaran-server, works offline with pocketsphinx and Apertium.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_CONTACT "Tolvaran developers" CACHE STRING "The package's maintainer")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(tolvaran_runtime_packages
  # what the views import
  qml6-module-qtqml qml6-module-qtqml-models qml6-module-qtqml-workerscript qml6-module-qtcore
  qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtquick-controls
  qml6-module-qtquick-templates qml6-module-qtquick-layouts qml6-module-qtquick-shapes
  qml6-module-qt-labs-platform qml6-module-qt5compat-graphicaleffects
  # the X11 platform and the SVG icon
  qt6-qpa-plugins libqt6svg6
  # playback: playbin, scaletempo, the M4A demuxer and the AAC decoder
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-dejavu-core
  # the interface's languages: Qt's own texts (dialog buttons, the colour and
  # folder dialogs) and the scripts' fonts, Arabic and Devanagari in
  # fonts-noto-core, Chinese, Japanese and Korean in fonts-noto-cjk
  qt6-translations-l10n fonts-noto-core fonts-noto-cjk
  # tolvaran-server: the US English speech model and the translation pairs
  pocketsphinx-en-us apertium apertium-eng-spa apertium-es-pt apertium-spa-ita apertium-fr-es
)
list(JOIN tolvaran_runtime_packages ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
# Capture needs a sound server; the language flags are emoji.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, fonts-noto-color-emoji")

include(CPack)
