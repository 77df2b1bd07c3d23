# One static library per floor, linking only the floors it may use.
#
#   zandrift_floor(<folder> [USES <floor>...] [LIBRARIES <library>...] [SOURCES <file>...])
#
# makes zandrift_<folder> from every source file of <folder>/ (a new file joins it by where it
# is put, its subfolders too), linked with the floors named in USES (by folder name; what they use comes with
# them), LIBRARIES (Qt modules) and the extra SOURCES (resources).
#
# Headers are included by their floor's folder ("movers/pages/page_title.h"). A floor's include
# directory holds its own folder alone (a link to it in the build tree), and only the targets
# that link the floor get that directory, so an include across a forbidden line names a file the
# compiler cannot find, and the build fails.
#
# A static library is only linked into an executable, and then only its objects the
# executable needs, so a call into a floor that is not linked would only fail where someone
# happens to use it. Each floor therefore also gets zandrift_<folder>_links, an executable
# built with the tests that takes in every object of the floor: any call into a floor it may
# not use fails to link there.
function(zandrift_floor folder)
  cmake_parse_arguments(PARSE_ARGV 1 floor "" "" "USES;LIBRARIES;SOURCES")
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp
       ${PROJECT_SOURCE_DIR}/${folder}/*.h)
  list(TRANSFORM floor_USES PREPEND zandrift_)
  set(library zandrift_${folder})
  set(include_directory ${PROJECT_BINARY_DIR}/floors/${folder})
  file(MAKE_DIRECTORY ${include_directory})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${include_directory}/${folder} SYMBOLIC)
  add_library(${library} STATIC ${sources} ${floor_SOURCES})
  target_include_directories(${library} PUBLIC ${include_directory})
  target_link_libraries(${library} PUBLIC ${floor_USES} ${floor_LIBRARIES}
                        PRIVATE zandrift_warnings)

  if(BUILD_TESTING)
    set(empty_main ${PROJECT_BINARY_DIR}/floor_links_main.cpp)
    file(CONFIGURE OUTPUT ${empty_main} CONTENT "int main() { return 0; }\n")
    add_executable(${library}_links ${empty_main})
    set_target_properties(${library}_links PROPERTIES AUTOMOC OFF)
    target_link_libraries(${library}_links PRIVATE "$<LINK_LIBRARY:WHOLE_ARCHIVE,${library}>"
                          zandrift_warnings)
  endif()
endfunction()
