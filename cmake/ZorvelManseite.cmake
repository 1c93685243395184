# The manual page of a program, made at build time from the table of its
# command line (the same that "--help" prints) and installed compressed to
# man1.
#
#   zorvel_manseite(<programm> <kern-bibliothek> <kopf> <klasse>)
find_program(ZORVEL_GZIP gzip REQUIRED)
# The date of the pages; SOURCE_DATE_EPOCH makes it reproducible.
string(TIMESTAMP ZORVEL_MAN_DATUM "%Y-%m-%d" UTC)

function(zorvel_manseite programm kern kopf klasse)
  set(werkzeug ${programm}_manseite)
  add_executable(${werkzeug} "${PROJECT_SOURCE_DIR}/gemeinsam/werkzeuge/manseite.cpp")
  target_link_libraries(${werkzeug} PRIVATE ${kern})
  target_compile_definitions(${werkzeug} PRIVATE
    ZORVEL_BEFEHLE_KOPF="${kopf}" ZORVEL_BEFEHLE=${klasse})
  set(seite "${CMAKE_CURRENT_BINARY_DIR}/man/${programm}.1")
  add_custom_command(
    OUTPUT "${seite}.gz"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/man"
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:${werkzeug}> "${seite}" "${ZORVEL_MAN_DATUM}"
    COMMAND "${ZORVEL_GZIP}" -9nf "${seite}"
    DEPENDS ${werkzeug}
    COMMENT "Generating the manual page ${programm}.1"
    VERBATIM)
  add_custom_target(${programm}_man ALL DEPENDS "${seite}.gz")
  install(FILES "${seite}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endfunction()
