# CLI11 is header-only: the Windows build uses the headers of Debian's libcli11-dev, alone in a
# folder of their own (the rest of /usr/include is for Linux).
set(qira_host_include ${CMAKE_BINARY_DIR}/host-include)
file(MAKE_DIRECTORY ${qira_host_include})
if(NOT EXISTS ${qira_host_include}/CLI)
    file(CREATE_LINK /usr/include/CLI ${qira_host_include}/CLI SYMBOLIC)
endif()
if(NOT TARGET CLI11::CLI11)
    add_library(CLI11::CLI11 INTERFACE IMPORTED)
    set_target_properties(CLI11::CLI11 PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${qira_host_include})
endif()
set(CLI11_FOUND TRUE)
