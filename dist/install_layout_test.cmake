cmake_minimum_required(VERSION 3.25)
# Installs the build into a fresh folder and checks what lands where: the game
# must find its stages from its executable, and nothing stray may come along.
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
  RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

if(PORTABLE)
  set(bin "")
  set(stages "")
  set(expected)
else()
  set(bin bin/)
  set(stages share/lumora/)
  set(expected share/man/man6/lumora.6.gz share/man/man6/lumora-workshop.6.gz
      share/doc/lumora/copyright share/doc/lumora/changelog.gz
      share/mime/packages/io.github.lumora.Lumora.xml share/thumbnailers/lumora.thumbnailer
      bin/lumora-thumbnail)
  foreach(id io.github.lumora.Lumora io.github.lumora.Workshop)
    list(APPEND expected share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml)
    foreach(size 16 24 32 48 64 128 256)
      list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
    endforeach()
  endforeach()
  foreach(size 16 24 32 48 64 128 256)
    list(APPEND expected share/icons/hicolor/${size}x${size}/mimetypes/application-x-lumora-pack.png)
  endforeach()
endif()
# The game's own stages come as a pack file too, an example for pack makers.
list(APPEND expected ${bin}lumora ${bin}lumora-workshop ${stages}lumora.lumora)
foreach(n RANGE 1 28)
  list(APPEND expected ${stages}mmap${n}.bkm ${stages}amap${n}.bkm)
endforeach()

file(GLOB_RECURSE found LIST_DIRECTORIES true RELATIVE ${PREFIX} ${PREFIX}/*)
set(missing ${expected})
list(REMOVE_ITEM missing ${found})
if(missing)
  message(FATAL_ERROR "not installed: ${missing}")
endif()
# Only the files above and the folders that hold them.
foreach(f ${found})
  if(NOT IS_DIRECTORY ${PREFIX}/${f} AND NOT f IN_LIST expected)
    message(FATAL_ERROR "installed but not expected: ${f}")
  endif()
  if(IS_DIRECTORY ${PREFIX}/${f})
    file(GLOB inside ${PREFIX}/${f}/*)
    if(NOT inside)
      message(FATAL_ERROR "an empty folder was installed: ${f}")
    endif()
  endif()
endforeach()
# Both programs open a pack file given by the desktop, and the thumbnailer
# draws one: each names the type the installed XML defines.
if(NOT PORTABLE)
  file(STRINGS ${PREFIX}/share/mime/packages/io.github.lumora.Lumora.xml type
    REGEX "<mime-type type=")
  string(REGEX REPLACE ".*type=\"([^\"]+)\".*" "\\1" type "${type}")
  foreach(f applications/io.github.lumora.Lumora.desktop applications/io.github.lumora.Workshop.desktop
          thumbnailers/lumora.thumbnailer)
    file(STRINGS ${PREFIX}/share/${f} said REGEX "^MimeType=")
    file(STRINGS ${PREFIX}/share/${f} exec REGEX "^Exec=")
    # file(STRINGS) hands a ";" back escaped.
    if(NOT said MATCHES "^MimeType=${type}[\\;]*$" OR NOT exec MATCHES " %[fi]")
      message(FATAL_ERROR "${f} must take a file of ${type}: ${said}, ${exec}")
    endif()
  endforeach()
endif()
file(REMOVE_RECURSE ${PREFIX})
