# trainers_library(<name> [SHARED] DIRS <dir>... LINKS <target>... [EXCLUDE <regex>])
# One library per layer (static unless SHARED), made of every .cpp/.h of its folders, so a file
# added to a folder needs no change here and a dependency the layer does not declare fails to
# link. A shared library goes to the program folder.
function(trainers_library name)
    cmake_parse_arguments(ARG "SHARED" "EXCLUDE" "DIRS;LINKS" ${ARGN})
    set(sources)
    foreach(dir IN LISTS ARG_DIRS)
        file(GLOB found CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
        list(APPEND sources ${found})
    endforeach()
    if(ARG_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${ARG_EXCLUDE}")
    endif()
    if(NOT sources)
        add_library(${name} INTERFACE)
        target_link_libraries(${name} INTERFACE ${ARG_LINKS})
        return()
    endif()
    if(ARG_SHARED)
        add_library(${name} SHARED ${sources})
        set_target_properties(${name} PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    else()
        add_library(${name} STATIC ${sources})
    endif()
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# trainers_test(<name> DIR <dir> LINKS <target>... [LABELS <label>...])
# One GoogleTest executable per test folder, its cases discovered by CTest.
function(trainers_test name)
    cmake_parse_arguments(ARG "" "DIR" "LINKS;LABELS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${ARG_DIR}/*.cpp ${ARG_DIR}/*.h)
    if(NOT sources)
        return()
    endif()
    add_executable(${name} ${sources})
    # Tests live apart from the program folder, which holds only the programs and the course.
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_link_libraries(${name} PRIVATE ${ARG_LINKS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests ${PROJECT_SOURCE_DIR}/src)
    target_compile_definitions(${name} PRIVATE
        DEMO_COURSE_DIR="${DEMO_COURSE_DIR}"
        TEST_SOURCE_DIR="${PROJECT_SOURCE_DIR}/tests")
    # Integration tests listen to the one sound server: two at once would hear each other.
    # An empty LABELS value would swallow the property after it, so labels are added only when set.
    # One variable only: a ";" in the value would split it on the way to the discovery script.
    # The media backend is pinned by the programs and the test fixtures themselves.
    set(properties TIMEOUT 300)
    if(ARG_LABELS)
        list(APPEND properties LABELS "${ARG_LABELS}")
    endif()
    if("integration" IN_LIST ARG_LABELS)
        list(APPEND properties RUN_SERIAL TRUE)
    endif()
    list(APPEND properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    # Test names carry their executable ("oralix_tests.LessonLoading.X"), so `-R oralix` finds them.
    gtest_discover_tests(${name} TEST_PREFIX "${name}." DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()
