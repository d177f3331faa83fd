# zlib and libjpeg-turbo: the system's natively; for mingw, Debian's mingw
# zlib and libjpeg-turbo cross-built by scripts/setup-deps into a cache folder.
if(WIN32)
    set(LUMIGRAB_CACHE "$ENV{HOME}/.cache/lumigrab" CACHE PATH "Folder of cross-built dependencies")
    if(DEFINED ENV{LUMIGRAB_CACHE})
        set(LUMIGRAB_CACHE "$ENV{LUMIGRAB_CACHE}" CACHE PATH "" FORCE)
    elseif(DEFINED ENV{XDG_CACHE_HOME})
        set(LUMIGRAB_CACHE "$ENV{XDG_CACHE_HOME}/lumigrab" CACHE PATH "" FORCE)
    endif()
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(JPEG_PREFIX "${LUMIGRAB_CACHE}/libjpeg-turbo-mingw64")
    else()
        set(JPEG_PREFIX "${LUMIGRAB_CACHE}/libjpeg-turbo-mingw32")
    endif()
    if(NOT EXISTS "${JPEG_PREFIX}/lib/libjpeg.a")
        message(FATAL_ERROR "libjpeg-turbo for mingw is missing in ${JPEG_PREFIX}; run scripts/setup-deps")
    endif()
    add_library(lumigrab_jpeg STATIC IMPORTED GLOBAL)
    set_target_properties(lumigrab_jpeg PROPERTIES
        IMPORTED_LOCATION "${JPEG_PREFIX}/lib/libjpeg.a"
        INTERFACE_INCLUDE_DIRECTORIES "${JPEG_PREFIX}/include")
    add_library(lumigrab_zlib STATIC IMPORTED GLOBAL)
    find_library(MINGW_ZLIB NAMES libz.a z REQUIRED)
    find_path(MINGW_ZLIB_INCLUDE zlib.h REQUIRED)
    set_target_properties(lumigrab_zlib PROPERTIES
        IMPORTED_LOCATION "${MINGW_ZLIB}"
        INTERFACE_INCLUDE_DIRECTORIES "${MINGW_ZLIB_INCLUDE}")
    add_library(Lumigrab::jpeg ALIAS lumigrab_jpeg)
    add_library(Lumigrab::zlib ALIAS lumigrab_zlib)
else()
    find_package(ZLIB REQUIRED)
    find_package(JPEG REQUIRED)
    add_library(Lumigrab::zlib ALIAS ZLIB::ZLIB)
    add_library(Lumigrab::jpeg ALIAS JPEG::JPEG)
endif()

# nlohmann-json (header-only, Debian's nlohmann-json3-dev) reads the image
# server's replies. The mingw builds get a folder holding only its
# headers, never the host's whole /usr/include.
find_path(NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
add_library(lumigrab_json INTERFACE)
if(WIN32)
    set(LUMIGRAB_JSON_ONLY "${CMAKE_BINARY_DIR}/third_party/include")
    file(MAKE_DIRECTORY "${LUMIGRAB_JSON_ONLY}")
    file(CREATE_LINK "${NLOHMANN_JSON_INCLUDE}/nlohmann" "${LUMIGRAB_JSON_ONLY}/nlohmann" SYMBOLIC)
    target_include_directories(lumigrab_json SYSTEM INTERFACE "${LUMIGRAB_JSON_ONLY}")
else()
    target_include_directories(lumigrab_json SYSTEM INTERFACE "${NLOHMANN_JSON_INCLUDE}")
endif()
add_library(Lumigrab::json ALIAS lumigrab_json)
