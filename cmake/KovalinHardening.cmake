# The distribution's hardening: fortified string and memory functions, the stack protector, and relocations
# made read-only and bound at start (relro, bind-now). The flags come from dpkg-buildflags (Debian's set with
# every hardening feature) where it is installed, and are the same flags written out elsewhere. Not with the
# sanitizers or the fuzzers, which instrument the same functions themselves.
option(KOVALIN_HARDENING "Build with the distribution's hardening flags" ON)
if(KOVALIN_HARDENING AND NOT KOVALIN_SANITIZE AND NOT KOVALIN_FUZZ AND NOT WIN32)
    find_program(DPKG_BUILDFLAGS dpkg-buildflags)
    if(DPKG_BUILDFLAGS)
        foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
            execute_process(
                COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all ${DPKG_BUILDFLAGS} --get ${kind}
                OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
            separate_arguments(flags UNIX_COMMAND "${flags}")
            # Only the hardening: optimisation, debug information and paths stay the build type's.
            list(FILTER flags INCLUDE REGEX
                "^(-D_FORTIFY_SOURCE=|-fstack-protector|-fstack-clash-protection|-fcf-protection|-Wformat|-Werror=format-security|-Wl,-z,)")
            set(KOVALIN_HARDENING_${kind} ${flags})
        endforeach()
    else()
        set(KOVALIN_HARDENING_CPPFLAGS -D_FORTIFY_SOURCE=2)
        set(KOVALIN_HARDENING_CXXFLAGS -fstack-protector-strong -fstack-clash-protection -Wformat
            -Werror=format-security)
        set(KOVALIN_HARDENING_LDFLAGS -Wl,-z,relro -Wl,-z,now)
    endif()
    # Fortification works through the optimiser; an unoptimised (Debug) build would only warn about it.
    foreach(flag IN LISTS KOVALIN_HARDENING_CPPFLAGS)
        add_compile_options($<$<NOT:$<CONFIG:Debug>>:${flag}>)
    endforeach()
    add_compile_options(${KOVALIN_HARDENING_CXXFLAGS})
    add_link_options(${KOVALIN_HARDENING_LDFLAGS})
    message(STATUS "Hardening: ${KOVALIN_HARDENING_CPPFLAGS} ${KOVALIN_HARDENING_CXXFLAGS} ${KOVALIN_HARDENING_LDFLAGS}")
endif()
