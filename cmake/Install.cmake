# The installed layout. The program folder installs whole to <prefix>/lib/motorhall, where the
# program finds its libraries, Images, registration tool and sample vehicles beside its executable,
# exactly as in build/bin; <prefix>/bin/motorhall links to it. The vehicle tool goes to
# <prefix>/bin and reaches the libraries in the program folder through its run path. The
# registration tool stays in the program folder: it is the program's own (the package's
# maintainer scripts and the program's start-up message name it there), and its generic name
# does not belong on every user's path.
include(GNUInstallDirs)

# Not CMAKE_INSTALL_LIBDIR: the program folder holds a program, not libraries for others to link,
# so it has no multiarch triplet.
set(MOTORHALL_INSTALL_PROGRAM_DIR lib/motorhall)
set(MOTORHALL_SAMPLES_DIR ${CMAKE_BINARY_DIR}/sample-vehicles)

set_target_properties(motorhall regsvr tessel motorhall_gdi motorhall_com PROPERTIES
    INSTALL_RPATH "\$ORIGIN")
set_target_properties(srftool PROPERTIES
    INSTALL_RPATH "\$ORIGIN/../${MOTORHALL_INSTALL_PROGRAM_DIR}")

install(TARGETS motorhall regsvr tessel motorhall_gdi motorhall_com
    RUNTIME DESTINATION ${MOTORHALL_INSTALL_PROGRAM_DIR}
    LIBRARY DESTINATION ${MOTORHALL_INSTALL_PROGRAM_DIR} NAMELINK_SKIP)
install(TARGETS srftool RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${MOTORHALL_PROGRAM_DIR}/Images DESTINATION ${MOTORHALL_INSTALL_PROGRAM_DIR})
# Marks the installed program folder (app/state_folders.h): the program started from it keeps each
# user's settings and working folder in that user's folders even when it may write here, as root
# may, so that removing the installation leaves nothing behind. build/bin never has it.
install(FILES data/installed DESTINATION ${MOTORHALL_INSTALL_PROGRAM_DIR})

# The sample vehicles are rendered at build time, into a folder of their own so that build/bin
# stays as the build leaves it.
add_custom_command(OUTPUT ${MOTORHALL_SAMPLES_DIR}/written
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${MOTORHALL_SAMPLES_DIR}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${MOTORHALL_SAMPLES_DIR}
    COMMAND srftool samples ${MOTORHALL_SAMPLES_DIR}
    COMMAND ${CMAKE_COMMAND} -E touch ${MOTORHALL_SAMPLES_DIR}/written
    DEPENDS srftool
    COMMENT "Rendering the sample vehicles into ${MOTORHALL_SAMPLES_DIR}"
    VERBATIM)
add_custom_target(motorhall_sample_vehicles ALL DEPENDS ${MOTORHALL_SAMPLES_DIR}/written)
install(DIRECTORY ${MOTORHALL_SAMPLES_DIR}/ DESTINATION ${MOTORHALL_INSTALL_PROGRAM_DIR}
    FILES_MATCHING PATTERN "*.srf")

# Relative, so the link holds in a staging folder and in the package as well as after install.
install(CODE "
    set(bin \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bin}\")
    file(CREATE_LINK ../${MOTORHALL_INSTALL_PROGRAM_DIR}/motorhall \"\${bin}/motorhall\" SYMBOLIC)
    message(STATUS \"Installing: \${bin}/motorhall -> ../${MOTORHALL_INSTALL_PROGRAM_DIR}/motorhall\")
")

# Desktop integration: the menu entry, the software centre's description, the icon in every size
# the artwork generator draws, the vehicle file type with its thumbnailer, and the manual pages.
configure_file(data/org.example.motorhall.metainfo.xml.in
    ${CMAKE_BINARY_DIR}/data/org.example.motorhall.metainfo.xml
    @ONLY)
install(FILES data/motorhall.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/data/org.example.motorhall.metainfo.xml
    DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${MOTORHALL_PROGRAM_DIR}/Images/Icon-${size}.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
        RENAME motorhall.png)
endforeach()
install(FILES data/motorhall-srf.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
    RENAME motorhall.xml)
install(FILES data/motorhall.thumbnailer DESTINATION ${CMAKE_INSTALL_DATADIR}/thumbnailers)

foreach(page motorhall srftool)
    configure_file(data/man/${page}.1 ${CMAKE_BINARY_DIR}/data/man/${page}.1 @ONLY)
    # Compressed with the highest level and no time stamp, as Debian's policy asks of manual pages.
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/data/man/${page}.1.gz
        COMMAND gzip -9 -n -f -k ${CMAKE_BINARY_DIR}/data/man/${page}.1
        DEPENDS ${CMAKE_BINARY_DIR}/data/man/${page}.1
        VERBATIM)
    list(APPEND _manual_pages ${CMAKE_BINARY_DIR}/data/man/${page}.1.gz)
endforeach()
add_custom_target(motorhall_manual_pages ALL DEPENDS ${_manual_pages})
install(FILES ${_manual_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
