# Desktop integration of one program: its .desktop file, AppStream metadata,
# MIME package and hicolor icons, all kept in <deliverable>/desktop/ and
# named after the program's application id.
#
#   zorvel_desktop(<application id>)
#
# The SVG icon is installed as it is; PNG sizes are rendered from it at
# build time with rsvg-convert (librsvg2-bin), when that is available.
find_program(ZORVEL_RSVG_CONVERT rsvg-convert)
set(ZORVEL_ICON_GROESSEN 16 24 32 48 64 128 256)

function(zorvel_desktop id)
  set(quelle "${CMAKE_CURRENT_SOURCE_DIR}/desktop")
  set(ziel "${CMAKE_CURRENT_BINARY_DIR}/desktop")

  install(FILES "${quelle}/${id}.desktop"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")

  configure_file("${quelle}/${id}.metainfo.xml" "${ziel}/${id}.metainfo.xml" @ONLY)
  install(FILES "${ziel}/${id}.metainfo.xml"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")

  install(FILES "${quelle}/${id}.mime.xml"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages"
          RENAME "${id}.xml")

  install(FILES "${quelle}/${id}.svg"
          DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")

  if(NOT ZORVEL_RSVG_CONVERT)
    message(STATUS "rsvg-convert not found: ${id} gets its SVG icon only")
    return()
  endif()
  set(pngs)
  foreach(n IN LISTS ZORVEL_ICON_GROESSEN)
    set(png "${ziel}/icons/${n}x${n}/${id}.png")
    add_custom_command(
      OUTPUT "${png}"
      COMMAND ${CMAKE_COMMAND} -E make_directory "${ziel}/icons/${n}x${n}"
      COMMAND "${ZORVEL_RSVG_CONVERT}" -w ${n} -h ${n} -o "${png}" "${quelle}/${id}.svg"
      DEPENDS "${quelle}/${id}.svg"
      VERBATIM)
    list(APPEND pngs "${png}")
    install(FILES "${png}"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps")
  endforeach()
  add_custom_target(${id}_icons ALL DEPENDS ${pngs})
endfunction()
