# The WebAssembly build of the program for the offline page (included by the top CMakeLists.txt
# when configured with Emscripten; scripts/build_web.sh does that and gathers the page's folder).
# One module, orvane.js + orvane.wasm + orvane.data: the program's own code, the parts of web/ that
# read input and write snapshots, the render command (the parity test calls it), and the offline
# front end of wasm/. The compiled content and the program's bitmaps are packed into orvane.data.
# Needs ORVANE_CONTENT_DIR (the compiled content of a native build) and ORVANE_BITMAP_DIR.

set(ORVANE_CONTENT_DIR "" CACHE PATH "The compiled content (*.pdb) packed into the page")
set(ORVANE_BITMAP_DIR ${CMAKE_SOURCE_DIR}/resources/bitmaps CACHE PATH "The program's bitmaps")
if(NOT ORVANE_CONTENT_DIR)
  message(FATAL_ERROR "ORVANE_CONTENT_DIR must name a folder of compiled content "
                      "(scripts/build_web.sh builds it first)")
endif()

# nlohmann-json is header-only: its folder alone is put on the include path (not the machine's
# whole /usr/include, whose C library headers are not Emscripten's).
find_path(ORVANE_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH
          REQUIRED)
set(json_include ${CMAKE_BINARY_DIR}/json-include)
file(MAKE_DIRECTORY ${json_include})
file(CREATE_LINK ${ORVANE_JSON_INCLUDE}/nlohmann ${json_include}/nlohmann SYMBOLIC)

# The older libc++ of Emscripten 3.1.6: what the code needs of C++20 that it lacks, given to the
# sources that use it.
foreach(source foundation/typed_number.cpp content/record_cursor.cpp shell/preferences.cpp
               platform/single_instance.cpp)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/${source} APPEND PROPERTY COMPILE_OPTIONS
               -include ${CMAKE_SOURCE_DIR}/wasm/libcxx_compat.h)
endforeach()

set(WASM_WEB_SOURCES
    ${CMAKE_SOURCE_DIR}/web/control_style_names.cpp ${CMAKE_SOURCE_DIR}/web/input_command.cpp
    ${CMAKE_SOURCE_DIR}/web/snapshot_json.cpp ${CMAKE_SOURCE_DIR}/web/text_encoding.cpp
    ${CMAKE_SOURCE_DIR}/web/web_options.cpp)
file(GLOB WASM_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/wasm/*.cpp)
add_executable(orvane ${WASM_SOURCES} ${WASM_WEB_SOURCES}
                      ${CMAKE_SOURCE_DIR}/app/render_command.cpp)
target_include_directories(orvane SYSTEM PRIVATE ${json_include})
target_link_libraries(orvane PRIVATE orvane_lib)

# The program waits for input inside its message loops (the main loop, the splash, the disclaimer,
# a message box): Asyncify lets that wait hand control back to the browser and resume there.
set(ORVANE_WASM_LINK_OPTIONS
    -sASYNCIFY=1
    "-sASYNCIFY_IMPORTS=[orvane_page_wait]"
    -sASYNCIFY_STACK_SIZE=65536
    -sALLOW_MEMORY_GROWTH=1
    -sMODULARIZE=1
    -sEXPORT_NAME=createOrvane
    -sINVOKE_RUN=0
    -sENVIRONMENT=web,node
    -sFILESYSTEM=1
    "-sEXPORTED_FUNCTIONS=[_main,_malloc,_free,_orvane_render,_orvane_image,_orvane_check_content]"
    "-sEXPORTED_RUNTIME_METHODS=[callMain,FS,ccall,UTF8ToString]"
    "SHELL:--js-library ${CMAKE_SOURCE_DIR}/wasm/page_imports.js"
    "SHELL:--preload-file ${ORVANE_CONTENT_DIR}@/content"
    "SHELL:--preload-file ${ORVANE_BITMAP_DIR}@/bitmaps")
target_link_options(orvane PRIVATE ${ORVANE_WASM_LINK_OPTIONS})
# orvane.data is packed when the module is linked: every packed file is a dependency of the link,
# so a changed content file or bitmap links again (and a file added or removed configures again).
file(GLOB_RECURSE ORVANE_PACKED_FILES CONFIGURE_DEPENDS ${ORVANE_CONTENT_DIR}/*
     ${ORVANE_BITMAP_DIR}/*)
set_target_properties(
  orvane PROPERTIES SUFFIX ".js" LINK_DEPENDS
                    "${CMAKE_SOURCE_DIR}/wasm/page_imports.js;${ORVANE_PACKED_FILES}")
