# Shared compiler settings: strict warnings everywhere, stricter numeric ones on request,
# warnings as errors in CI, and the sanitizer build.

set(KOVALIN_WARNINGS -Wall -Wextra -Wpedantic)
set(KOVALIN_NUMERIC_WARNINGS -Wconversion -Wdouble-promotion -Wshadow)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # Clang's -Wconversion also flags signed indices into std::array, which the 1-based solver arrays use.
    list(APPEND KOVALIN_NUMERIC_WARNINGS -Wno-sign-conversion)
endif()
if(KOVALIN_WERROR)
    list(APPEND KOVALIN_WARNINGS -Werror)
endif()

if(KOVALIN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "KOVALIN_FUZZ needs clang (CXX=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -g)
    add_link_options(-fsanitize=address,undefined)
endif()

if(KOVALIN_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# kovalin_warnings(<target> [NUMERIC]): the project's warning set; NUMERIC adds the conversion warnings
# that numerical code should be clean of.
function(kovalin_warnings target)
    cmake_parse_arguments(ARG "NUMERIC" "" "" ${ARGN})
    target_compile_options(${target} PRIVATE ${KOVALIN_WARNINGS})
    if(ARG_NUMERIC)
        target_compile_options(${target} PRIVATE ${KOVALIN_NUMERIC_WARNINGS})
    endif()
endfunction()

# kovalin_qt_defines(<target>): the strict Qt settings every Qt target uses.
function(kovalin_qt_defines target)
    target_compile_definitions(${target} PRIVATE
        QT_NO_KEYWORDS QT_NO_CONTEXTLESS_CONNECT QT_NO_CAST_FROM_ASCII QT_USE_QSTRINGBUILDER
        QT_DISABLE_DEPRECATED_UP_TO=0x060400)
endfunction()

# kovalin_windows_library(<name> INCLUDE <dir> LIBS ... SOURCES ...): a static library of windows, its headers
# below <dir>, with the project's warnings and strict Qt settings.
function(kovalin_windows_library name)
    cmake_parse_arguments(ARG "" "INCLUDE" "SOURCES;LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${ARG_INCLUDE})
    target_link_libraries(${name} PUBLIC ${ARG_LIBS})
    kovalin_warnings(${name})
    kovalin_qt_defines(${name})
endfunction()

# kovalin_gtest(<name> SOURCES ... LIBS ...): a GoogleTest executable registered with ctest.
function(kovalin_gtest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
    kovalin_warnings(${name})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 300)
endfunction()

# kovalin_qttest(<name> SOURCES ... LIBS ...): a Qt Test executable for windows, run offscreen.
function(kovalin_qttest name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} Qt6::Test Qt6::Widgets)
    kovalin_warnings(${name})
    kovalin_qt_defines(${name})
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300 ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()
