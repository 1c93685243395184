# zorvel_bibliothek(ZIEL ORDNER dir... LINKS lib... [FORMS dir])
# A static library of every .cpp and .h in the folders given (relative to
# the calling CMakeLists.txt), each folder on the include path so that every
# header is included by its bare name; with FORMS, the Designer forms of
# that folder too. A folder's .qrc files are compiled into the library.
function(zorvel_bibliothek ziel)
  cmake_parse_arguments(ARG "" "FORMS" "ORDNER;LINKS" ${ARGN})
  set(quellen)
  set(pfade)
  foreach(ordner IN LISTS ARG_ORDNER)
    file(GLOB teil CONFIGURE_DEPENDS
      "${CMAKE_CURRENT_SOURCE_DIR}/${ordner}/*.cpp"
      "${CMAKE_CURRENT_SOURCE_DIR}/${ordner}/*.h"
      "${CMAKE_CURRENT_SOURCE_DIR}/${ordner}/*.qrc")
    list(APPEND quellen ${teil})
    list(APPEND pfade "${CMAKE_CURRENT_SOURCE_DIR}/${ordner}")
  endforeach()
  if(ARG_FORMS)
    file(GLOB formen CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_FORMS}/*.ui")
    list(APPEND quellen ${formen})
  endif()
  add_library(${ziel} STATIC ${quellen})
  target_include_directories(${ziel} PUBLIC ${pfade})
  target_link_libraries(${ziel} PUBLIC ${ARG_LINKS})
  set_target_properties(${ziel} PROPERTIES AUTORCC ON)
  if(ARG_FORMS)
    set_target_properties(${ziel} PROPERTIES
      AUTOUIC_SEARCH_PATHS "${CMAKE_CURRENT_SOURCE_DIR}/${ARG_FORMS}")
  endif()
endfunction()
