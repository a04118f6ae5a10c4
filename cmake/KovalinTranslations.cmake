# Translations of the Qt programs' texts.
#   translations/kovalin.ts         the template a translation starts from, made by lupdate from the sources
#   bin/translations/kovalin_*.qm   each translations/kovalin_<language>.ts of the source tree, compiled by
#                                   lrelease beside the programs (and installed in share/kovalin/translations)
#   translations/kovalin_pseudo.qm  every text of the template marked, for the tests: a text that does not
#                                   change on screen with it loaded is one a translator cannot reach
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

# Every source of the Qt programs except tests, and the include folders lupdate needs to tell which class a
# tr() belongs to (the class's full name is the context the text is looked up in).
set(kovalin_tr_sources)
set(kovalin_tr_includes)
foreach(folder about cubic frontend notice platform quartic tools)
    file(GLOB_RECURSE found CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/${folder}/*.h)
    list(FILTER found EXCLUDE REGEX "/(tests|testing|fuzz|screenshot)/")
    list(APPEND kovalin_tr_sources ${found})
endforeach()
foreach(source IN LISTS kovalin_tr_sources)
    if(source MATCHES "^(.*/include)/")
        list(APPEND kovalin_tr_includes "-I${CMAKE_MATCH_1}")
    endif()
endforeach()
list(REMOVE_DUPLICATES kovalin_tr_includes)
set(kovalin_tr_list ${CMAKE_BINARY_DIR}/translations/sources.lst)
list(JOIN kovalin_tr_sources "\n" kovalin_tr_lines)
list(JOIN kovalin_tr_includes "\n" kovalin_tr_include_lines)
file(CONFIGURE OUTPUT ${kovalin_tr_list} CONTENT "${kovalin_tr_include_lines}\n${kovalin_tr_lines}\n")

set(KOVALIN_TS_TEMPLATE ${CMAKE_BINARY_DIR}/translations/kovalin.ts)
set(KOVALIN_PSEUDO_CATALOGUE ${CMAKE_BINARY_DIR}/translations/kovalin_pseudo.qm)
# The template is made afresh, so texts no longer in the sources leave it.
add_custom_command(OUTPUT ${KOVALIN_TS_TEMPLATE}
    COMMAND ${CMAKE_COMMAND} -E rm -f ${KOVALIN_TS_TEMPLATE}
    COMMAND Qt6::lupdate -silent -no-obsolete -locations relative @${kovalin_tr_list} -ts ${KOVALIN_TS_TEMPLATE}
    DEPENDS ${kovalin_tr_sources} ${kovalin_tr_list}
    COMMENT "Translation template translations/kovalin.ts"
    VERBATIM)
# No text of the template has a translation, so each one becomes itself behind the mark.
add_custom_command(OUTPUT ${KOVALIN_PSEUDO_CATALOGUE}
    COMMAND Qt6::lrelease -silent -markuntranslated "»" ${KOVALIN_TS_TEMPLATE} -qm ${KOVALIN_PSEUDO_CATALOGUE}
    DEPENDS ${KOVALIN_TS_TEMPLATE}
    VERBATIM)

set(kovalin_catalogues)
file(GLOB kovalin_translations CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/translations/kovalin_*.ts)
foreach(translation IN LISTS kovalin_translations)
    get_filename_component(name ${translation} NAME_WE)
    set(catalogue ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations/${name}.qm)
    add_custom_command(OUTPUT ${catalogue}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations
        COMMAND Qt6::lrelease -silent ${translation} -qm ${catalogue}
        DEPENDS ${translation}
        VERBATIM)
    list(APPEND kovalin_catalogues ${catalogue})
    install(FILES ${catalogue} DESTINATION ${CMAKE_INSTALL_DATADIR}/kovalin/translations COMPONENT kovalin)
endforeach()

# One target for all of them: a generated file that two targets wait for would be made twice at once.
add_custom_target(kovalin_translations ALL DEPENDS ${KOVALIN_TS_TEMPLATE} ${KOVALIN_PSEUDO_CATALOGUE} ${kovalin_catalogues})
