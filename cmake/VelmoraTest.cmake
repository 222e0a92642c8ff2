# The folders of tests/ whose suites scripts/test.sh also runs in a Release build without
# sanitizers (CTest label "release"): the figures and the command line as a package ships them,
# optimised and without assertions.
set(velmora_release_folders model demography cli fuzz)

# Registers one Qt Test executable as a CTest test that runs without a display, labelled with
# its folder under tests/ ("model", "ui", ...). ARGS go to the executable.
function(velmora_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ARGS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${ARG_LIBS})
    add_test(NAME ${name} COMMAND ${name} ${ARG_ARGS})
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR}/tests ${CMAKE_CURRENT_SOURCE_DIR})
    string(REGEX REPLACE "/.*" "" folder "${folder}")
    set(labels ${folder})
    if(folder IN_LIST velmora_release_folders)
        list(APPEND labels release)
        set_property(GLOBAL APPEND PROPERTY velmora_release_tests ${name})
    endif()
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8"
        WORKING_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}
        LABELS "${labels}")
endfunction()
