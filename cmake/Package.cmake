# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Сальвора developers
# The Debian package, built by scripts/package.sh: cpack -G DEB in a build tree configured with
# CMAKE_INSTALL_PREFIX=/usr and CMAKE_INSTALL_BINDIR=games, where Debian puts games.
# Its library dependencies are read from the binaries (dpkg-shlibdeps); among them
# libqt6multimedia6, which on Debian 12 also holds the multimedia plugins Qt loads and pulls in
# libpulse0, the sound client. Added by hand is what the game loads without linking it: the font
# its layout is measured in, and a sound server for that client (PulseAudio or PipeWire's).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME salvora)
set(CPACK_PACKAGE_VENDOR "Salvora developers")
set(CPACK_PACKAGE_CONTACT "Salvora developers <salvora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "naval battle against the computer")
set(CPACK_PACKAGE_DESCRIPTION
    "Salvora (Сальвора) is a naval battle for one player against the\n\
computer, on two 10 x 10 boards; it speaks English and Russian,\n\
following the desktop's language. The player arranges a fleet of ten\n\
ships with the mouse, starts the battle and fires at the computer's\n\
board; every shot is an animated cannon, hit decks burn, and sound\n\
cues accompany the battle.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://salvora.example.org)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
