# Fails when a file in src/views includes a header of the engine's services, or a model
# header other than the records the view model hands over. The views draw what the view
# model holds; reaching the engine from a widget would bypass its worker thread.
# Run as: cmake -DSOURCE_DIR=<root> -P CheckViewIncludes.cmake
cmake_minimum_required(VERSION 3.25)
set(allowed_model_headers FileCategory.h OrganizationPlan.h)

file(GLOB_RECURSE service_headers RELATIVE ${SOURCE_DIR}/src/services ${SOURCE_DIR}/src/services/*.h)
file(GLOB_RECURSE model_headers RELATIVE ${SOURCE_DIR}/src/model ${SOURCE_DIR}/src/model/*.h)
set(forbidden)
foreach(header IN LISTS service_headers)
    get_filename_component(name ${header} NAME)
    list(APPEND forbidden ${name})
endforeach()
foreach(header IN LISTS model_headers)
    get_filename_component(name ${header} NAME)
    if(NOT name IN_LIST allowed_model_headers)
        list(APPEND forbidden ${name})
    endif()
endforeach()

file(GLOB_RECURSE view_files ${SOURCE_DIR}/src/views/*.cpp ${SOURCE_DIR}/src/views/*.h)
set(faults)
foreach(file IN LISTS view_files)
    file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[\"<]")
    foreach(line IN LISTS includes)
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]([^\">]*)[\">].*" "\\1" included "${line}")
        get_filename_component(name "${included}" NAME)
        # By name or by a path that names the layer ("services/...").
        if(name IN_LIST forbidden OR included MATCHES "^services/")
            file(RELATIVE_PATH shown ${SOURCE_DIR} ${file})
            list(APPEND faults "${shown}: #include \"${included}\"")
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " listed)
    message(FATAL_ERROR "Views may use the view model, FileCategory.h and OrganizationPlan.h, "
        "never the engine (see CONTRIBUTING.md, Layers):\n  ${listed}")
endif()
