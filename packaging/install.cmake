# Included from the top-level CMakeLists once the executable exists.
# Installing like a desktop program: executable, menu entry, icon theme files, AppStream
# metadata, and a Debian package through CPack.
include(GNUInstallDirs)

# One reverse-DNS id for the desktop entry, the icon, the metadata and the window system.
set(ZEF_APP_ID example.torvaleno.zefranol)
target_compile_definitions(zefranol PRIVATE ZEF_APP_ID="${ZEF_APP_ID}")
# The teacher's program has an id, menu entry, icon and metadata of its own.
set(ZEF_TEACHER_ID ${ZEF_APP_ID}.leerkracht)
target_compile_definitions(zefranol-leerkracht PRIVATE ZEF_TEACHER_ID="${ZEF_TEACHER_ID}")

install(TARGETS zefranol zefranol-leerkracht RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(id ${ZEF_APP_ID} ${ZEF_TEACHER_ID})
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/${id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/assets/icoon.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZEF_APP_ID}.svg)
install(FILES ${CMAKE_SOURCE_DIR}/teacher/leerkracht.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ZEF_TEACHER_ID}.svg)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
# For the administrator of a school's server.
install(FILES ${CMAKE_SOURCE_DIR}/results/school.sql DESTINATION ${CMAKE_INSTALL_DATADIR}/zefranol)

# Menus and panels that do not scale SVG icons pick these sizes from the icon theme.
set(ZEF_ICON_SIZES 16 24 32 48 64 128 256)
add_executable(zef_render_icon ${CMAKE_CURRENT_LIST_DIR}/render_icon.cpp)
target_link_libraries(zef_render_icon PRIVATE Qt6::Gui Qt6::Svg)
set_target_properties(zef_render_icon PROPERTIES AUTOMOC OFF)
set(ZEF_ICON_PNGS)
foreach(size ${ZEF_ICON_SIZES})
  foreach(icon "${ZEF_APP_ID}|assets/icoon.svg" "${ZEF_TEACHER_ID}|teacher/leerkracht.svg")
    string(REPLACE "|" ";" icon "${icon}")
    list(GET icon 0 id)
    list(GET icon 1 svg)
    set(png ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}/${id}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging/icons/${size}x${size}
      COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
              $<TARGET_FILE:zef_render_icon> ${CMAKE_SOURCE_DIR}/${svg} ${size} ${png}
      DEPENDS zef_render_icon ${CMAKE_SOURCE_DIR}/${svg}
      COMMENT "Rendering the ${size}x${size} icon ${id}" VERBATIM)
    list(APPEND ZEF_ICON_PNGS ${png})
    install(FILES ${png} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
endforeach()
add_custom_target(zefranol_icons ALL DEPENDS ${ZEF_ICON_PNGS})

# The Debian package. Library dependencies come from dpkg-shlibdeps; the fonts the screens
# are drawn with and Qt's own Dutch texts are needed at run time but not linked.
set(CPACK_VERBATIM_VARIABLES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zefranol)
set(CPACK_PACKAGE_VENDOR Torvaleno)
set(CPACK_PACKAGE_CONTACT "Torvaleno <zefranol@torvaleno.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "step-by-step trainer for written column multiplication")
set(CPACK_PACKAGE_DESCRIPTION
  "ZEFRANOL teaches primary-school pupils (7 to 10 years old) written column\n"
  "multiplication step by step: it makes up exercises, lays them out in\n"
  "place-value boxes, lets the pupil type the answer digit by digit and note\n"
  "the carries, and judges the answer. A times-table room helps with the\n"
  "tables of 1 to 10. Every text the pupil sees is Dutch.\n"
  "\n"
  "ZEFRANOL leerkracht shows the kept results to a teacher or a parent:\n"
  "who practised what, and which step of the work goes wrong.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://torvaleno.example/zefranol/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Results are kept in SQLite (a driver Qt loads at run time); a school server needs the
# PostgreSQL driver only where one is configured.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, libqt6sql6-sqlite")
# The desktop entry runs the program on X11, also on a Wayland desktop (see the README).
# Reading aloud speaks through speech-dispatcher with espeak-ng's Dutch voice.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "xwayland, libqt6sql6-psql, qt6-speech-speechd-plugin, speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\.git(/|$)" "/build[^/]*/")
include(CPack)
