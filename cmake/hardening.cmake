# The distribution's hardening for everything built here: the flags dpkg-buildflags gives with
# every hardening feature on (stack protector, fortified C library functions, read-only
# relocations, immediate binding). Its optimisation, debug and path-map flags are left out: the
# build type chooses those. Without dpkg-buildflags (not a Debian system) nothing is added.
option(HARDENING "Build with the hardening flags of dpkg-buildflags" ON)
find_program(DPKG_BUILDFLAGS dpkg-buildflags)
if(HARDENING AND DPKG_BUILDFLAGS)
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                            ${DPKG_BUILDFLAGS} --get ${kind}
                    OUTPUT_VARIABLE flags OUTPUT_STRIP_TRAILING_WHITESPACE)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(g|O.*|ffile-prefix-map=.*)$")
    set(HARDENING_${kind} ${flags})
  endforeach()
  add_compile_options(${HARDENING_CPPFLAGS} ${HARDENING_CXXFLAGS})
  add_link_options(${HARDENING_LDFLAGS})
endif()
