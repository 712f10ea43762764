# A Firebird root folder of our own: the system's engine, plugins and messages,
# with a firebird.conf that runs the embedded engine in SuperClassic mode, so the
# program and the site tool (or a backup) can open one database file at the same time.
set(FB_SYSTEM_ROOT "/usr/lib/x86_64-linux-gnu/firebird/3.0" CACHE PATH "Firebird 3 root of the system")
if(NOT EXISTS "${FB_SYSTEM_ROOT}/plugins")
  execute_process(COMMAND sh -c "dirname $(dirname $(dpkg -L firebird3.0-server-core 2>/dev/null | grep '/plugins/libEngine12.so$' | head -1))"
                  OUTPUT_VARIABLE _fbroot OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(_fbroot)
    set(FB_SYSTEM_ROOT "${_fbroot}" CACHE PATH "" FORCE)
  endif()
endif()
set(FB_ROOT_DIR "${CMAKE_BINARY_DIR}/firebird")
file(MAKE_DIRECTORY "${FB_ROOT_DIR}")
foreach(entry UDF firebird.msg intl lib plugins plugins.conf databases.conf fbtrace.conf)
  if(EXISTS "${FB_SYSTEM_ROOT}/${entry}")
    file(CREATE_LINK "${FB_SYSTEM_ROOT}/${entry}" "${FB_ROOT_DIR}/${entry}" SYMBOLIC)
  endif()
endforeach()
configure_file("${CMAKE_SOURCE_DIR}/cmake/firebird.conf" "${FB_ROOT_DIR}/firebird.conf" COPYONLY)
