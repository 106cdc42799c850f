# Installs the build into a fresh prefix and checks what a desktop reads: the .desktop file,
# the AppStream metainfo, the icons, the programs and the default content.
#
#   cmake -DBUILD=<build dir> -DPREFIX=<folder> -P install.cmake

file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND ${CMAKE_COMMAND} --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${err}")
endif()

foreach(file bin/boltik bin/turtool share/boltik/data/settings.ini share/boltik/data/mus1.wav
        share/boltik/data/1.tur share/boltik/data/names.txt
        share/applications/org.boltik.Boltik.desktop
        share/metainfo/org.boltik.Boltik.metainfo.xml
        share/icons/hicolor/scalable/apps/org.boltik.Boltik.svg
        share/icons/hicolor/256x256/apps/org.boltik.Boltik.png share/doc/boltik/copyright
        share/doc/boltik/changelog.gz share/man/man6/boltik.6.gz share/man/man6/turtool.6.gz)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()

execute_process(COMMAND desktop-file-validate
                        "${PREFIX}/share/applications/org.boltik.Boltik.desktop"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
    message(FATAL_ERROR "desktop-file-validate (${rc}): ${out}${err}")
endif()
execute_process(COMMAND appstreamcli validate --no-net
                        "${PREFIX}/share/metainfo/org.boltik.Boltik.metainfo.xml"
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "appstreamcli validate (${rc}): ${out}${err}")
endif()
