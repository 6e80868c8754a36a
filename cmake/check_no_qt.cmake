# The model is standard C++ only: any Qt include in its sources fails the build.
file(GLOB_RECURSE model_files
     ${SOURCE_DIR}/src/core/*.h ${SOURCE_DIR}/src/core/*.cpp
     ${SOURCE_DIR}/src/canvas/*.h ${SOURCE_DIR}/src/canvas/*.cpp
     ${SOURCE_DIR}/src/files/*.h ${SOURCE_DIR}/src/files/*.cpp
     ${SOURCE_DIR}/src/compose/*.h ${SOURCE_DIR}/src/compose/*.cpp
     ${SOURCE_DIR}/src/platform/*.h ${SOURCE_DIR}/src/platform/*.cpp)
foreach(f IN LISTS model_files)
    if(f MATCHES "/(app|ui)/")
        continue()
    endif()
    file(STRINGS ${f} qt_lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt|Qt)")
    if(qt_lines)
        message(FATAL_ERROR "Model file includes Qt: ${f}: ${qt_lines}")
    endif()
endforeach()
