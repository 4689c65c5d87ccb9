# Installing and packaging: the three programs, the bus shim for zor-sim's
# users, the default data folder, the desktop entry, icons and manual pages,
# and a Debian package built by CPack (cmake --build <dir> --target package).
# The build tree keeps its own layout: programs and "Daten" in bin/.
include(GNUInstallDirs)

# The programs look for their installed defaults at <bin>/../share/zor-rds/Daten,
# so bin and share must stay side by side below the prefix.
file(RELATIVE_PATH ZOR_DEFAULTS_FROM_BIN ${CMAKE_INSTALL_FULL_BINDIR}
     ${CMAKE_INSTALL_FULL_DATADIR}/zor-rds/Daten)
if(NOT ZOR_DEFAULTS_FROM_BIN STREQUAL "../share/zor-rds/Daten")
  message(FATAL_ERROR "The programs find their default data files at "
          "<bin>/../share/zor-rds/Daten; with CMAKE_INSTALL_BINDIR=${CMAKE_INSTALL_BINDIR} and "
          "CMAKE_INSTALL_DATADIR=${CMAKE_INSTALL_DATADIR} they would be at ${ZOR_DEFAULTS_FROM_BIN}.")
endif()

install(TARGETS zor-rds zor-rds-cli zor-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The shim is loaded by path (GpibLibrary= in RDS_Allg.INI), never linked, so
# it lives in a folder of its own rather than on the linker's path.
install(TARGETS zor-gpib-sim LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/zor-rds)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Daten/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/zor-rds/Daten)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zor-rds.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The application icon is the window icon, drawn afresh at each size.
set(ZOR_ICON_SIZES 16 24 32 48 64 128 256)
set(ZOR_ICON_FILES)
foreach(size IN LISTS ZOR_ICON_SIZES)
  set(icon ${CMAKE_BINARY_DIR}/icons/${size}x${size}/zor-rds.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:zor-make-icons> --app-icon ${size} ${icon}
    DEPENDS zor-make-icons
    COMMENT "Drawing the ${size}x${size} application icon"
    VERBATIM)
  list(APPEND ZOR_ICON_FILES ${icon})
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(zor_app_icons ALL DEPENDS ${ZOR_ICON_FILES})

# Manual pages, compressed as Debian keeps them.
foreach(page zor-rds zor-rds-cli zor-sim)
  set(source ${PROJECT_SOURCE_DIR}/packaging/man/${page}.1)
  set(packed ${CMAKE_BINARY_DIR}/man/${page}.1.gz)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/man)
  file(ARCHIVE_CREATE OUTPUT ${packed} PATHS ${source} FORMAT raw COMPRESSION GZip)
  install(FILES ${packed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

# The Debian package.
set(ZOR_PACKAGE_MAINTAINER "zor-rds maintainers <zor-rds@example.org>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zor-rds)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${ZOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "remote control for the ZOR signal generator and its Q7 stereo/RDS coder")
set(CPACK_PACKAGE_DESCRIPTION
    "One operator sets the stereo multiplex signal, RF frequency and level, and
the RDS content (PI, PS, PTY, TP/TA, RadioText, clock, AF lists, group
sequence, EON, TMC) of the instrument over RS-232 or IEEE-488.
.
The package holds the window program zor-rds, the command-line tool
zor-rds-cli, and the simulated instrument zor-sim with its IEEE-488 bus shim
for trying everything without an instrument.")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
# The window's captions are laid out for Arial's widths; Liberation Sans and
# Liberation Sans Narrow have the same, where DejaVu Sans is wider and cuts
# them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
find_program(ZOR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(ZOR_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # What dpkg-shlibdeps finds on Debian 12 for these programs.
  string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
         ", libc6 (>= 2.34), libgcc-s1 (>= 3.0), libqt6core6 (>= 6.4.0), libqt6gui6 (>= 6.1.2), libqt6serialport6 (>= 6.2.1), libqt6widgets6 (>= 6.3.0), libstdc++6 (>= 11)")
endif()
include(CPack)
