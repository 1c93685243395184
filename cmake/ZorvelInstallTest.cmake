# One test installs the build into an empty temporary prefix and validates
# every installed file of the desktop integration. It is registered only
# when the validators are there (scripts/setup.sh installs them).
find_program(ZORVEL_DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(ZORVEL_APPSTREAMCLI appstreamcli)
find_program(ZORVEL_UPDATE_MIME_DATABASE update-mime-database)
if(ZORVEL_DESKTOP_FILE_VALIDATE AND ZORVEL_APPSTREAMCLI AND ZORVEL_UPDATE_MIME_DATABASE)
  set(icon_groessen)
  if(ZORVEL_RSVG_CONVERT)
    string(REPLACE ";" " " icon_groessen "${ZORVEL_ICON_GROESSEN}")
  endif()
  add_test(NAME "${PROJECT_NAME}.installation"
    COMMAND sh "${CMAKE_CURRENT_SOURCE_DIR}/cmake/pruefe_installation.sh"
            "${CMAKE_COMMAND}" "${CMAKE_BINARY_DIR}"
            "${CMAKE_INSTALL_BINDIR}" "${CMAKE_INSTALL_DATADIR}" "${icon_groessen}")
  set_tests_properties("${PROJECT_NAME}.installation" PROPERTIES TIMEOUT 120)
else()
  message(STATUS "desktop-file-validate, appstreamcli or update-mime-database missing: "
                 "no installation test")
endif()
