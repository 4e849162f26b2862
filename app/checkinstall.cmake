# Installs into a fresh prefix and checks that every file a desktop needs is where it looks for it.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/codicolorimetrix
    share/applications/codicolorimetrix.desktop
    share/icons/hicolor/16x16/apps/codicolorimetrix.png
    share/icons/hicolor/32x32/apps/codicolorimetrix.png
    share/icons/hicolor/48x48/apps/codicolorimetrix.png)
foreach(file IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${file}")
        message(FATAL_ERROR "missing after install: ${file}")
    endif()
endforeach()
