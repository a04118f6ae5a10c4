# Installation (GNUInstallDirs) and the Debian package (cpack -G DEB).
#   cmake --install build --prefix /usr/local
#   (cd build && cpack -G DEB)

set(KOVALIN_PACKAGE kovalin)
set(KOVALIN_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${KOVALIN_PACKAGE})

# The engine is the solver's private library: kept out of the public library directory, found by the solver
# in KOVALIN_ENGINE_DIR (platform/qt).
install(TARGETS VX_KOVALIN LIBRARY DESTINATION ${KOVALIN_ENGINE_INSTALL_DIR} COMPONENT kovalin)

install(TARGETS kovalin-roots RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT kovalin)

if(KOVALIN_GUI)
    install(TARGETS VT_Kovalin VT_Dunmora VT_Hovanta VT_Pellicor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
            COMPONENT kovalin)
    install(FILES frontend/Help/Sample.txt frontend/Help/Sample2.txt
            DESTINATION ${CMAKE_INSTALL_DATADIR}/${KOVALIN_PACKAGE}/Help COMPONENT kovalin)
    install(FILES packaging/org.kovalin.Kovalin.desktop packaging/org.kovalin.Dunmora.desktop
                  packaging/org.kovalin.Hovanta.desktop packaging/org.kovalin.Pellicor.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT kovalin)
    install(FILES packaging/org.kovalin.Kovalin.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
            COMPONENT kovalin)
    # Each program its own icon, named after its desktop entry.
    foreach(program Kovalin Dunmora Hovanta Pellicor)
        string(TOLOWER ${program} icon)
        install(FILES packaging/icons/${icon}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
                RENAME org.kovalin.${program}.svg COMPONENT kovalin)
        foreach(size 16 22 24 32 48 64 128 256)
            install(FILES packaging/icons/${icon}-${size}.png
                    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                    RENAME org.kovalin.${program}.png COMPONENT kovalin)
        endforeach()
    endforeach()
endif()

# Documentation: Debian wants the copyright file and a changelog compressed to the maximum, without a
# timestamp.
find_program(GZIP_PROGRAM gzip)
set(KOVALIN_CHANGELOG ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
if(GZIP_PROGRAM)
    execute_process(COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_SOURCE_DIR}/packaging/changelog
                    OUTPUT_FILE ${KOVALIN_CHANGELOG})
    install(FILES ${KOVALIN_CHANGELOG} DESTINATION ${KOVALIN_DOC_DIR} COMPONENT kovalin)
endif()
if(GZIP_PROGRAM AND KOVALIN_GUI)
    foreach(program VT_Kovalin VT_Dunmora VT_Hovanta VT_Pellicor)
        execute_process(COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_SOURCE_DIR}/packaging/man/${program}.1
                        OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/${program}.1.gz)
        install(FILES ${CMAKE_BINARY_DIR}/packaging/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
                COMPONENT kovalin)
    endforeach()
endif()
if(GZIP_PROGRAM)
    execute_process(COMMAND ${GZIP_PROGRAM} -9nc ${CMAKE_SOURCE_DIR}/packaging/man/kovalin-roots.1
                    OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/kovalin-roots.1.gz)
    install(FILES ${CMAKE_BINARY_DIR}/packaging/kovalin-roots.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
            COMPONENT kovalin)
endif()
install(FILES packaging/copyright DESTINATION ${KOVALIN_DOC_DIR} COMPONENT kovalin)
# The installed README sits beside its screenshots (share/doc/kovalin/screenshots/), so its picture links
# point there rather than into the source tree's docs/.
file(READ ${CMAKE_SOURCE_DIR}/README.md kovalin_readme)
string(REPLACE "](docs/screenshots/" "](screenshots/" kovalin_readme "${kovalin_readme}")
file(WRITE ${CMAKE_BINARY_DIR}/packaging/README.md "${kovalin_readme}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/README.md)
install(FILES ${CMAKE_BINARY_DIR}/packaging/README.md DESTINATION ${KOVALIN_DOC_DIR} COMPONENT kovalin)
install(DIRECTORY docs/screenshots DESTINATION ${KOVALIN_DOC_DIR} COMPONENT kovalin OPTIONAL)

set(CPACK_PACKAGE_NAME ${KOVALIN_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Kovalin developers")
set(CPACK_PACKAGE_CONTACT "Kovalin support <support@kovalin.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "polynomial equation solver suite")
set(CPACK_PACKAGE_DESCRIPTION
    "Kovalin finds all roots of polynomial equations with real coefficients up to\ndegree 100 and complex coefficients up to degree 50, and evaluates, tabulates,\ngraphs, differentiates and integrates them. The suite also holds closed-form\ncubic and quartic solvers.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};kovalin;/")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://kovalin.example")
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
