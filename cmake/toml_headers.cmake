# toml++, which reads the beam files: Debian's libtomlplusplus-dev, used
# header-only, so that its code is compiled into the program with the
# program's own flags (-ffp-contract=off among them) instead of linking the
# package's shared library, which its CMake target and pkg-config file ask
# for. The interface target toml_headers carries the include directory and
# the definition to the code that includes <toml++/toml.h>.
#
# The headers are the same for every platform, so the Windows cross build
# takes them from the build machine too; CMAKE_FIND_ROOT_PATH_BOTH lets the
# search leave the MinGW tree (looking there first).
find_path(TOMLPP_INCLUDE_DIR toml++/toml.h CMAKE_FIND_ROOT_PATH_BOTH)
if(NOT TOMLPP_INCLUDE_DIR)
  message(FATAL_ERROR
    "toml++ not found (no toml++/toml.h): the program reads beam files with it. "
    "On Debian: apt-get install libtomlplusplus-dev, "
    "or give its include directory with -DTOMLPP_INCLUDE_DIR=DIR.")
endif()

# A directory that holds toml++ alone: the cross compiler must not see the
# rest of the build machine's /usr/include, and a system directory of its
# own keeps toml++'s warnings out of -Wall -Wextra -Wpedantic and
# clang-tidy. A copy where no symbolic link can be made.
set(toml_include_dir ${CMAKE_CURRENT_BINARY_DIR}/toml-include)
file(REMOVE_RECURSE ${toml_include_dir})
file(MAKE_DIRECTORY ${toml_include_dir})
file(CREATE_LINK ${TOMLPP_INCLUDE_DIR}/toml++ ${toml_include_dir}/toml++ RESULT toml_link_result SYMBOLIC)
if(NOT toml_link_result EQUAL 0)
  file(COPY ${TOMLPP_INCLUDE_DIR}/toml++ DESTINATION ${toml_include_dir})
endif()

add_library(toml_headers INTERFACE)
target_include_directories(toml_headers SYSTEM INTERFACE ${toml_include_dir})
target_compile_definitions(toml_headers INTERFACE TOML_HEADER_ONLY=1)
