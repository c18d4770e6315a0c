# Compile settings shared by every target of the project itself. Linked
# privately, so nothing of it leaks into a tree that embeds Lunaplan.
add_library(lunaplan_options INTERFACE)
target_compile_features(lunaplan_options INTERFACE cxx_std_20)
set_target_properties(lunaplan_options PROPERTIES CXX_EXTENSIONS OFF)
target_compile_definitions(lunaplan_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_USE_QSTRINGBUILDER
    QT_NO_KEYWORDS)
target_compile_options(lunaplan_options INTERFACE
    -Wall -Wextra -pedantic -Wold-style-cast -Wshadow -Wnon-virtual-dtor -Wconversion -Werror)

# Adds a static library of the project with its include root and settings.
function(lunaplan_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE lunaplan_options)
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()

# The fuzzing build instruments the project's own code for libFuzzer and runs
# it under AddressSanitizer and UndefinedBehaviorSanitizer.
if(LUNAPLAN_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        message(FATAL_ERROR "LUNAPLAN_FUZZ needs clang (CC=clang-14 CXX=clang++-14)")
    endif()
    target_compile_options(lunaplan_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(lunaplan_options INTERFACE -fsanitize=address,undefined)
endif()
