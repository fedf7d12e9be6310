# Checks of the desktop integration files, added only where the validators are
# installed. Include this file after enable_testing(), for example from
# tests/CMakeLists.txt:
#     include(${PROJECT_SOURCE_DIR}/assets/tests.cmake)
set(ORBELLE_ASSETS_DIR ${CMAKE_CURRENT_LIST_DIR})

find_program(ORBELLE_DESKTOP_FILE_VALIDATE desktop-file-validate)
if(ORBELLE_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_file_valid
             COMMAND ${ORBELLE_DESKTOP_FILE_VALIDATE}
                     ${ORBELLE_ASSETS_DIR}/org.quillory.Orbelle.desktop)
    # desktop-file-validate exits 0 on hints and warnings; fail on those too.
    set_tests_properties(desktop_file_valid PROPERTIES
        FAIL_REGULAR_EXPRESSION "error:;warning:"
        TIMEOUT 60)
endif()

find_program(ORBELLE_APPSTREAMCLI appstreamcli)
if(ORBELLE_APPSTREAMCLI)
    add_test(NAME metainfo_valid
             COMMAND ${ORBELLE_APPSTREAMCLI} validate --no-net
                     ${ORBELLE_ASSETS_DIR}/org.quillory.Orbelle.metainfo.xml)
    set_tests_properties(metainfo_valid PROPERTIES TIMEOUT 60)
endif()
