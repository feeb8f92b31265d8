# The layers hold by construction: core and store see neither widgets nor
# the GUI's folders. Checked at configure time, so a stray include fails the
# build on the day it is written (the Qt include root would otherwise let
# <QtWidgets/QWidget> slip through a target that does not link the module).

# Fails the configuration when a source file below dir includes a header of
# one of the Qt modules (as <QtModule/Name> or as <Name>) or a header of one
# of the project's folders ("gui/...").
function(torval_forbid_includes dir)
    cmake_parse_arguments(ARG "" "" "QT_MODULES;PROJECT_FOLDERS" ${ARGN})
    set(names "")
    foreach(module IN LISTS ARG_QT_MODULES)
        get_target_property(dirs Qt6::${module} INTERFACE_INCLUDE_DIRECTORIES)
        foreach(d IN LISTS dirs)
            if(d MATCHES "/Qt${module}$" AND IS_DIRECTORY "${d}")
                file(GLOB headers RELATIVE "${d}" "${d}/Q*")
                list(APPEND names ${headers})
            endif()
        endforeach()
    endforeach()
    list(JOIN ARG_QT_MODULES "|" modules)
    list(JOIN ARG_PROJECT_FOLDERS "|" folders)
    file(GLOB_RECURSE sources CONFIGURE_DEPENDS "${dir}/*.h" "${dir}/*.cpp")
    set(faults "")
    foreach(file IN LISTS sources)
        file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include")
        foreach(line IN LISTS includes)
            if(NOT line MATCHES "[<\"]([^>\"]+)[>\"]")
                continue()
            endif()
            set(header "${CMAKE_MATCH_1}")
            if(header MATCHES "^Qt(${modules})/" OR header IN_LIST names OR header MATCHES "^(${folders})/")
                file(RELATIVE_PATH shown "${CMAKE_SOURCE_DIR}" "${file}")
                list(APPEND faults "  ${shown}: ${header}")
            endif()
        endforeach()
    endforeach()
    if(faults)
        list(JOIN faults "\n" text)
        message(FATAL_ERROR "${dir} must not include widget, GUI or higher-layer headers:\n${text}")
    endif()
endfunction()
