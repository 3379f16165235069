# Installs the build in BUILD_DIR into STAGING_DIR and checks that exactly the
# files a desktop needs land where it looks for them, that the desktop entry
# and the metainfo name what was installed, and that desktop-file-validate,
# appstreamcli and man find nothing to say about them.
# cmake -D BUILD_DIR=... -D STAGING_DIR=... -D DESKTOP_FILE_VALIDATE=...
#       -D APPSTREAMCLI=... -D MAN=... -P checkinstall.cmake

foreach(tool_package "DESKTOP_FILE_VALIDATE;desktop-file-utils" "APPSTREAMCLI;appstream" "MAN;man-db")
    list(GET tool_package 0 tool)
    list(GET tool_package 1 package)
    if(NOT ${tool})
        message(FATAL_ERROR "${tool} is missing (Debian package ${package})")
    endif()
endforeach()

file(REMOVE_RECURSE "${STAGING_DIR}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${STAGING_DIR}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(id com.example.vemparo)
set(entry "${STAGING_DIR}/share/applications/${id}.desktop")
set(metainfo "${STAGING_DIR}/share/metainfo/${id}.metainfo.xml")
set(manual "${STAGING_DIR}/share/man/man1/vemparo.1")

# Anything more is as wrong as anything less: a package carries all of it.
# These are hicolor's fixed sizes that menus, panels, docks and software
# centres ask for; compose wants 64 px at least.
set(icon_sizes 16 22 24 32 48 64 128 256)
set(expected
    bin/vemparo
    share/applications/${id}.desktop
    share/metainfo/${id}.metainfo.xml
    share/man/man1/vemparo.1
    share/icons/hicolor/scalable/apps/${id}.svg)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${id}.png)
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

# A theme picks an icon by its folder's size, so each PNG must be a PNG of
# that size: width and height are the big-endian words after the signature
# and the IHDR chunk's length and type.
foreach(size IN LISTS icon_sizes)
    set(png "${STAGING_DIR}/share/icons/hicolor/${size}x${size}/apps/${id}.png")
    if(NOT EXISTS "${png}")
        continue()
    endif()
    file(READ "${png}" header LIMIT 24 HEX)
    string(SUBSTRING "${header}" 0 16 signature)
    string(SUBSTRING "${header}" 32 8 width)
    string(SUBSTRING "${header}" 40 8 height)
    math(EXPR width "0x${width}")
    math(EXPR height "0x${height}")
    if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
        message(SEND_ERROR "${size}x${size}/apps/${id}.png is a ${width}x${height} image with the signature ${signature}")
    endif()
endforeach()
set(svg "${STAGING_DIR}/share/icons/hicolor/scalable/apps/${id}.svg")
if(EXISTS "${svg}")
    file(STRINGS "${svg}" root REGEX "<svg ")
    if(NOT root)
        message(SEND_ERROR "scalable/apps/${id}.svg is not an SVG picture")
    endif()
endif()

# Each file names the others by these: the menu starts the program and shows
# the icon through the entry, the window finds its entry through its class,
# and a software centre finds the entry and the command through the metainfo.
foreach(file_line
        "${entry};Exec=vemparo"
        "${entry};Icon=${id}"
        "${entry};Type=Application"
        "${entry};StartupNotify=true"
        "${entry};StartupWMClass=Vemparo"
        "${metainfo};  <id>${id}</id>"
        "${metainfo};  <launchable type=\"desktop-id\">${id}.desktop</launchable>"
        "${metainfo};    <binary>vemparo</binary>")
    list(GET file_line 0 file)
    list(GET file_line 1 line)
    if(EXISTS "${file}")
        file(STRINGS "${file}" found REGEX "^${line}$")
        if(NOT found)
            get_filename_component(name "${file}" NAME)
            message(SEND_ERROR "${name} lacks the line ${line}")
        endif()
    endif()
endforeach()

# Each tool has its say only when something is wrong; hints and pedantic
# notes count too, since any of them is something a desktop or Debian's
# checks may hold against the file.
macro(expect_silence what)
    if(NOT result EQUAL 0 OR NOT report STREQUAL "")
        message(SEND_ERROR "${what} (exit status ${result}):\n${report}")
    endif()
endmacro()

if(EXISTS "${entry}")
    execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${entry}"
        RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    expect_silence("desktop-file-validate has something to say about the desktop entry")
endif()

if(EXISTS "${metainfo}")
    execute_process(COMMAND "${APPSTREAMCLI}" validate --pedantic --no-net --no-color "${metainfo}"
        RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
    string(REGEX REPLACE "^✔ Validation was successful.\n$" "" report "${report}")
    expect_silence("appstreamcli validate --pedantic has something to say about the metainfo")
endif()

# As Debian's lintian reads a manual page: every groff warning is a fault.
if(EXISTS "${manual}")
    execute_process(COMMAND "${CMAKE_COMMAND}" -E env LC_ALL=C.UTF-8 MANROFFSEQ= MANWIDTH=80
            "${MAN}" --warnings -E UTF-8 -l -Tutf8 -Z "${manual}"
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE report)
    expect_silence("man has something to say about the manual page")
endif()

# What a distribution's catalogue builder makes of the installation: the
# component must come out whole, with its icon cached at 64 px, which
# software centres show and which compose takes only from a large enough icon.
set(catalogue_root "${STAGING_DIR}-catalogue")
file(REMOVE_RECURSE "${catalogue_root}")
execute_process(COMMAND "${APPSTREAMCLI}" compose --no-net --no-color --print-report=full
        --prefix=/ --origin=vemparo --result-root=${catalogue_root} "${STAGING_DIR}"
    RESULT_VARIABLE result OUTPUT_VARIABLE report ERROR_VARIABLE report)
if(NOT result EQUAL 0 OR report MATCHES "(^|\n) *[EW]: ")
    message(SEND_ERROR "appstreamcli compose (Debian package appstream-compose) failed on the installation (exit status ${result}):\n${report}")
endif()
set(catalogue "${catalogue_root}/share/swcatalog/xml/vemparo.xml.gz")
set(cached_icon "${catalogue_root}/share/swcatalog/icons/vemparo/64x64/${id}.png")
if(EXISTS "${catalogue}")
    execute_process(COMMAND gzip -dc "${catalogue}" OUTPUT_VARIABLE components)
else()
    set(components "")
endif()
if(NOT components MATCHES "<id>${id}</id>"
        OR NOT components MATCHES "<icon type=\"cached\" width=\"64\" height=\"64\">${id}.png</icon>"
        OR NOT EXISTS "${cached_icon}")
    message(SEND_ERROR "the catalogue lacks ${id} with its 64 px icon:\n${report}\n${components}")
endif()
