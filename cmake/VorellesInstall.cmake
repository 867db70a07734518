# SPDX-License-Identifier: GPL-3.0-or-later
# Install rules: the program and its tools in bin/ (games/ under /usr), its files in
# share/vorelles/ (installed from resources/), and what the desktop expects of a program: the
# desktop entry, the icons, the AppStream metainfo, the man pages, and the changelog and copyright
# Debian wants. The program finds ../share/vorelles/ from its own folder, so any prefix works.

set(VORELLES_APP_ID org.vorelles.Vorelles)
set(packaging_source ${PROJECT_SOURCE_DIR}/packaging)
set(packaging_build ${CMAKE_BINARY_DIR}/packaging)

# The folders made on the way are everyone's to read whatever the umask, as Debian wants them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                                GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# Debian's policy puts games in games/ under /usr and /usr/local, and the package must follow it;
# under any other prefix (~/.local, /opt/vorelles) bin/ is the folder on the PATH. The prefix is
# only known at install time, so the choice is made then.
install(CODE "if(CMAKE_INSTALL_PREFIX MATCHES \"^/usr(/local)?/*$\")
  set(vorelles_bindir games)
else()
  set(vorelles_bindir ${CMAKE_INSTALL_BINDIR})
endif()")
install(TARGETS vorelles RUNTIME DESTINATION \${vorelles_bindir})
# A name as common as "autoplay" would clash with other programs': the tool is installed under
# the program's name.
install(PROGRAMS $<TARGET_FILE:autoplay> DESTINATION \${vorelles_bindir} RENAME vorelles-autoplay)
# install(PROGRAMS) is left out of --strip, which only strips targets.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
  execute_process(COMMAND \"${CMAKE_STRIP}\"
    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${vorelles_bindir}/vorelles-autoplay\"
    COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(TARGETS vorelles-stats RUNTIME DESTINATION \${vorelles_bindir})

# Icons drawn at build time by the program's own card art, so they match the window icon.
set(icon_sizes 16 22 24 32 48 64 128 256)
set(icons ${packaging_build}/icons/scalable/apps/${VORELLES_APP_ID}.svg)
foreach(size IN LISTS icon_sizes)
  list(APPEND icons ${packaging_build}/icons/${size}x${size}/apps/${VORELLES_APP_ID}.png)
endforeach()
add_custom_command(
  OUTPUT ${icons}
  COMMAND appicon ${packaging_build}/icons ${VORELLES_APP_ID} -platform offscreen
  DEPENDS appicon
  COMMENT "Drawing the program's icons"
  VERBATIM)

# Man pages and the changelog are installed compressed, without name or date in the gzip
# header, so that two builds give the same files.
set(compressed)
foreach(page vorelles.6 vorelles-autoplay.6 vorelles-stats.6)
  configure_file(${packaging_source}/${page}.in ${packaging_build}/${page} @ONLY)
endforeach()
configure_file(${packaging_source}/changelog ${packaging_build}/changelog COPYONLY)
foreach(file vorelles.6 vorelles-autoplay.6 vorelles-stats.6 changelog)
  add_custom_command(
    OUTPUT ${packaging_build}/${file}.gz
    COMMAND gzip -9nkf ${packaging_build}/${file}
    DEPENDS ${packaging_build}/${file}
    VERBATIM)
  list(APPEND compressed ${packaging_build}/${file}.gz)
endforeach()
add_custom_target(vorelles_packaging_files ALL DEPENDS ${icons} ${compressed})

install(DIRECTORY ${packaging_build}/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${packaging_source}/${VORELLES_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${packaging_source}/${VORELLES_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_build}/vorelles.6.gz ${packaging_build}/vorelles-autoplay.6.gz
              ${packaging_build}/vorelles-stats.6.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${packaging_build}/changelog.gz ${packaging_source}/copyright
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/vorelles)

include(${CMAKE_CURRENT_LIST_DIR}/VorellesPackage.cmake)
