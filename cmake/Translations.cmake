# The program's translations: translations/crosssums_LANG.ts in the tree, made into .qm files by
# lrelease at every build (found by the uninstalled programs two folders above their own) and
# installed. The `lupdate` target brings the .ts files up to date with the sources: Qt's tr() and
# translate() calls, and the standard-library rooms' xs::Tr calls listed by list_room_texts.py.
set(XS_LANGUAGES de fr)
set(XS_QT_BIN "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
find_program(XS_LRELEASE lrelease HINTS ${XS_QT_BIN} /usr/lib/qt6/bin)
find_program(XS_LUPDATE lupdate HINTS ${XS_QT_BIN} /usr/lib/qt6/bin)
if(NOT XS_LRELEASE)
    message(WARNING "lrelease not found (qt6-l10n-tools): the programs speak English only")
    return()
endif()

set(XS_TS_FILES)
set(XS_QM_FILES)
foreach(language IN LISTS XS_LANGUAGES)
    set(ts ${PROJECT_SOURCE_DIR}/translations/crosssums_${language}.ts)
    set(qm ${PROJECT_BINARY_DIR}/translations/crosssums_${language}.qm)
    add_custom_command(OUTPUT ${qm} COMMAND ${XS_LRELEASE} -silent ${ts} -qm ${qm}
                       DEPENDS ${ts} VERBATIM)
    list(APPEND XS_TS_FILES ${ts})
    list(APPEND XS_QM_FILES ${qm})
endforeach()
add_custom_target(xs_translations ALL DEPENDS ${XS_QM_FILES})
install(FILES ${XS_QM_FILES} DESTINATION ${CMAKE_INSTALL_DATADIR}/crosssums/translations)

find_package(Python3 COMPONENTS Interpreter)
if(XS_LUPDATE AND Python3_FOUND)
    set(room_texts ${PROJECT_BINARY_DIR}/translations/room_texts.cpp)
    add_custom_target(lupdate
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/translations
        COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/list_room_texts.py ${room_texts}
                ${PROJECT_SOURCE_DIR}/src
        COMMAND ${XS_LUPDATE} -silent -no-obsolete -locations none ${PROJECT_SOURCE_DIR}/src
                ${room_texts} -ts ${XS_TS_FILES}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} VERBATIM)
endif()
