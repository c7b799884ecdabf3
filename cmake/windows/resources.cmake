# qira_windows_resources(TARGET DESCRIPTION [ICON]): gives a Windows program its version resource
# (naming the program, its maker and the project's version), a manifest (no elevation asked for,
# Windows 7 to 11, per-monitor DPI awareness) and, with ICON, the icon Explorer and the taskbar
# show. Nothing on other systems.
function(qira_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    set(QIRA_RC_NAME ${target})
    set(QIRA_RC_FILE ${target}.exe)
    set(QIRA_RC_DESCRIPTION ${description})
    set(QIRA_RC_ICON "")
    if(ARGC GREATER 2)
        set(QIRA_RC_ICON "1 ICON \"${ARGV2}\"")
    endif()
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target}-resources)
    set(QIRA_RC_MANIFEST ${dir}/${target}.manifest)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.manifest.in ${QIRA_RC_MANIFEST} @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${dir}/${target}.rc @ONLY)
    target_sources(${target} PRIVATE ${dir}/${target}.rc)
    set_property(SOURCE ${dir}/${target}.rc APPEND PROPERTY OBJECT_DEPENDS
                 ${QIRA_RC_MANIFEST} ${ARGV2})
endfunction()
