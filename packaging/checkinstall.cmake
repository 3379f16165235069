# Installs the build in BUILD_DIR into STAGING_DIR and checks that exactly the
# files a desktop needs land where it looks for them, that they, the Windows
# resource script and debian/changelog carry the project's id and version, and
# that desktop-file-validate and appstreamcli find nothing to say about them.
# lintian checks the rest of what a package holds (./package.sh).
# cmake -D BUILD_DIR=... -D STAGING_DIR=... -D ID=... -D VERSION=... -D RELEASE_DATE=...
#       -D ICON_SIZES_FILE=... -D RESOURCE_SCRIPT=... -D CHANGELOG=...
#       -D DESKTOP_FILE_VALIDATE=... -D APPSTREAMCLI=... -P checkinstall.cmake

foreach(tool_package "DESKTOP_FILE_VALIDATE;desktop-file-utils" "APPSTREAMCLI;appstream")
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

set(entry "${STAGING_DIR}/share/applications/${ID}.desktop")
set(metainfo "${STAGING_DIR}/share/metainfo/${ID}.metainfo.xml")

# Anything more is as wrong as anything less: a package carries all of it.
# The sizes are hicolor's fixed ones that menus, panels, docks and software
# centres ask for; compose wants 64 px at least.
file(STRINGS "${ICON_SIZES_FILE}" icon_sizes)
set(expected
    bin/vemparo
    share/applications/${ID}.desktop
    share/metainfo/${ID}.metainfo.xml
    share/man/man1/vemparo.1
    share/icons/hicolor/scalable/apps/${ID}.svg)
foreach(size IN LISTS icon_sizes)
    list(APPEND expected share/icons/hicolor/${size}x${size}/apps/${ID}.png)
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

set(svg "${STAGING_DIR}/share/icons/hicolor/scalable/apps/${ID}.svg")
if(EXISTS "${svg}")
    file(STRINGS "${svg}" root REGEX "<svg ")
    if(NOT root)
        message(SEND_ERROR "scalable/apps/${ID}.svg is not an SVG picture")
    endif()
endif()

# Each file names the others by the id: the menu shows the icon through the
# entry, and a software centre finds the entry and the command through the
# metainfo. The window finds its entry through its class. Every place that
# states the version states the project's, debian/changelog's latest release
# included.
string(REPLACE "." "\\." version "${VERSION}")
foreach(file_line
        "${entry};Icon=${ID}"
        "${entry};Type=Application"
        "${entry};StartupNotify=true"
        "${entry};StartupWMClass=Vemparo"
        "${metainfo};  <id>${ID}</id>"
        "${metainfo};  <launchable type=\"desktop-id\">${ID}.desktop</launchable>"
        "${metainfo};    <binary>vemparo</binary>"
        "${metainfo};    <release version=\"${version}\" date=\"${RELEASE_DATE}\"/>"
        "${STAGING_DIR}/share/man/man1/vemparo.1;\\.TH VEMPARO 1 ${RELEASE_DATE} \"Vemparo ${version}\" .*"
        "${RESOURCE_SCRIPT};.*\"FileVersion\", +\"${version}\""
        "${RESOURCE_SCRIPT};.*\"ProductVersion\", +\"${version}\"")
    list(GET file_line 0 file)
    list(GET file_line 1 line)
    file(STRINGS "${file}" found REGEX "^${line}$")
    if(NOT found)
        get_filename_component(name "${file}" NAME)
        message(SEND_ERROR "${name} lacks a line ${line}")
    endif()
endforeach()
file(STRINGS "${CHANGELOG}" latest_release LIMIT_COUNT 1)
if(NOT latest_release MATCHES "^vemparo \\(${version}\\) ")
    message(SEND_ERROR "debian/changelog's latest release is not ${VERSION}: ${latest_release}")
endif()
# ...and its day, which the changelog writes as "Mon, 07 Dec 2026".
file(STRINGS "${CHANGELOG}" latest_signature REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE "^([0-9]+)-([0-9]+)-([0-9]+)$" "\\3;\\2;\\1" day_month_year "${RELEASE_DATE}")
list(GET day_month_year 0 day)
list(GET day_month_year 1 month)
list(GET day_month_year 2 year)
math(EXPR month_index "${month} - 1")
set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET month_names ${month_index} month_name)
if(NOT latest_signature MATCHES ", ${day} ${month_name} ${year} ")
    message(SEND_ERROR "debian/changelog's latest release is not of ${RELEASE_DATE}: ${latest_signature}")
endif()

# Each tool has its say only when something is wrong; hints and pedantic
# notes count too, since any of them is something a desktop or a software
# centre may hold against the file.
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
set(cached_icon "${catalogue_root}/share/swcatalog/icons/vemparo/64x64/${ID}.png")
if(EXISTS "${catalogue}")
    execute_process(COMMAND gzip -dc "${catalogue}" OUTPUT_VARIABLE components)
else()
    set(components "")
endif()
if(NOT components MATCHES "<id>${ID}</id>"
        OR NOT components MATCHES "<icon type=\"cached\" width=\"64\" height=\"64\">${ID}.png</icon>"
        OR NOT EXISTS "${cached_icon}")
    message(SEND_ERROR "the catalogue lacks ${ID} with its 64 px icon:\n${report}\n${components}")
endif()
