# Installs the build in BUILD_DIR into STAGING_DIR and checks that exactly the
# files a desktop needs land where it looks for them, and that the desktop
# entry names what was installed and passes desktop-file-validate.
# cmake -D BUILD_DIR=... -D STAGING_DIR=... -D DESKTOP_FILE_VALIDATE=... -P checkinstall.cmake

file(REMOVE_RECURSE "${STAGING_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGING_DIR}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

# Anything more is as wrong as anything less: a package carries all of it.
set(icon_sizes 16 32 48)
set(expected bin/vemparo share/applications/vemparo.desktop)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/vemparo.png)
endforeach()
file(GLOB_RECURSE installed RELATIVE "${STAGING_DIR}" "${STAGING_DIR}/*")
list(SORT expected)
list(SORT installed)
if(NOT installed STREQUAL expected)
    message(SEND_ERROR "installed files differ\n  expected: ${expected}\n  installed: ${installed}")
endif()

execute_process(COMMAND test -x "${STAGING_DIR}/bin/vemparo" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(SEND_ERROR "bin/vemparo is not executable")
endif()

# A theme picks an icon by its folder's size, so each PNG must really be that
# size: width and height are the big-endian words at byte 16 of the header
# (sizes below 256 fit the last byte of each).
foreach(size IN LISTS icon_sizes)
    set(png "${STAGING_DIR}/share/icons/hicolor/${size}x${size}/apps/vemparo.png")
    if(EXISTS "${png}")
        file(READ "${png}" header OFFSET 16 LIMIT 8 HEX)
        math(EXPR hex "${size}" OUTPUT_FORMAT HEXADECIMAL)
        string(SUBSTRING "${hex}" 2 -1 byte)
        if(NOT header STREQUAL "000000${byte}000000${byte}")
            message(SEND_ERROR "${size}x${size} icon has the header ${header}")
        endif()
    endif()
endforeach()

# The entry starts the program and shows the icon by these names.
set(entry "${STAGING_DIR}/share/applications/vemparo.desktop")
if(EXISTS "${entry}")
    foreach(key_value "Exec=vemparo" "Icon=vemparo" "Type=Application")
        file(STRINGS "${entry}" lines REGEX "^${key_value}$")
        if(NOT lines)
            message(SEND_ERROR "the desktop entry lacks ${key_value}")
        endif()
    endforeach()

    if(NOT DESKTOP_FILE_VALIDATE)
        message(FATAL_ERROR "desktop-file-validate is missing (Debian package desktop-file-utils)")
    endif()
    # Hints are advice; an error or a warning means a desktop may ignore the entry.
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
        RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    if(NOT result EQUAL 0 OR report MATCHES "(error|warning): ")
        message(SEND_ERROR "desktop-file-validate rejects the entry:\n${report}")
    endif()
endif()
