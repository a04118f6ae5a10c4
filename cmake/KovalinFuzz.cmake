# kovalin_fuzz_target(<name> SOURCE <file> CORPUS <folder> LIBS ...): a libFuzzer target <name>_fuzzer in the
# fuzzing build (-DKOVALIN_FUZZ=ON, clang), and in the ordinary test build a program <name>_replay that runs the
# same checks over every file of the corpus folder, registered as the test <name>_corpus. Every input the
# fuzzer kept, and every one that once failed, so stays a regression test. scripts/fuzz.sh fuzzes the targets.
set(KOVALIN_FUZZ_REPLAY_MAIN ${CMAKE_SOURCE_DIR}/engine/fuzz/replay_main.cpp)

function(kovalin_fuzz_target name)
    cmake_parse_arguments(ARG "" "SOURCE;CORPUS" "LIBS" ${ARGN})
    if(KOVALIN_FUZZ)
        add_executable(${name}_fuzzer ${ARG_SOURCE})
        target_link_libraries(${name}_fuzzer PRIVATE ${ARG_LIBS})
        target_link_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer)
        set_target_properties(${name}_fuzzer PROPERTIES AUTOMOC OFF)
        kovalin_warnings(${name}_fuzzer)
    elseif(KOVALIN_TESTS)
        add_executable(${name}_replay ${ARG_SOURCE} ${KOVALIN_FUZZ_REPLAY_MAIN})
        target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
        set_target_properties(${name}_replay PROPERTIES AUTOMOC OFF)
        kovalin_warnings(${name}_replay)
        add_test(NAME ${name}_corpus COMMAND ${name}_replay ${ARG_CORPUS})
    endif()
endfunction()
