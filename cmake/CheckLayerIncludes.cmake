# The layers of src/ and what each may include, checked before anything compiles: a
# header of a layer or part not listed for the including file's own fails the build,
# naming the file and line. The PRIVATE links keep most such includes from compiling
# anyway, but not between the engine's parts, which are one library.
# Run as: cmake -DSOURCE_DIR=<root> -P CheckLayerIncludes.cmake
cmake_minimum_required(VERSION 3.25)

set(parts)
# layer(FOLDER USES...): FOLDER (below src/) may include its own headers and those of
# USES, each a folder, one header ("model/FileCategory.h"), or Qt.
function(layer folder)
    set(parts ${parts} ${folder} PARENT_SCOPE)
    set(uses_${folder} ${ARGN} PARENT_SCOPE)
endfunction()

set(engine services/paths services/errors services/filesystem services/journal
    services/rules services/organizing services/watching model)
# Each part of the engine uses only those listed before it; no part of it has Qt.
layer(model)
layer(services/paths model)
layer(services/errors services/paths model)
layer(services/filesystem services/errors services/paths model)
layer(services/journal services/filesystem services/errors services/paths model)
layer(services/rules services/journal services/filesystem services/errors services/paths model)
layer(services/organizing services/rules services/journal services/filesystem services/errors
    services/paths model)
layer(services/watching services/organizing services/rules services/journal
    services/filesystem services/errors services/paths model)
layer(cli ${engine})
layer(i18n Qt)
layer(viewmodel ${engine} i18n Qt)
# The views draw what the view model holds: reaching the engine from a widget would
# bypass its worker thread.
layer(views viewmodel model/FileCategory.h model/CategoryLabel.h model/OrganizationPlan.h Qt)
layer(app views viewmodel i18n ${engine} Qt)

# Our headers by name, for those included by their bare name within a layer.
file(GLOB_RECURSE headers RELATIVE ${SOURCE_DIR}/src ${SOURCE_DIR}/src/*.h)
foreach(header IN LISTS headers)
    get_filename_component(name ${header} NAME)
    set(header_${name} ${header})
endforeach()

# The part (a folder of `parts`) that holds `path`, relative to src/; empty when none.
function(part_of path result)
    set(found "")
    foreach(part IN LISTS parts)
        string(LENGTH "${part}" length)
        string(LENGTH "${found}" longest)
        if(path MATCHES "^${part}/" AND length GREATER longest)
            set(found ${part})
        endif()
    endforeach()
    set(${result} "${found}" PARENT_SCOPE)
endfunction()

set(include_pattern "\n[ \t]*#[ \t]*include[ \t]*[<\"][^<>\"\n;]*[>\"]")
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.h)
list(SORT sources)
set(faults)
foreach(source IN LISTS sources)
    string(REGEX REPLACE "^src/" "" inside ${source})
    part_of(${inside} own)
    if(own STREQUAL "")
        list(APPEND faults "${source}: in no layer of cmake/CheckLayerIncludes.cmake")
        continue()
    endif()
    # A line break before the first line too, so that every include starts with one.
    file(READ ${SOURCE_DIR}/${source} rest)
    string(PREPEND rest "\n")
    string(REGEX MATCHALL "${include_pattern}" includes "${rest}")
    set(line 0)
    foreach(include IN LISTS includes)
        # Its line: the breaks since the one before, and its own.
        string(FIND "${rest}" "${include}" at)
        string(SUBSTRING "${rest}" 0 ${at} before)
        string(REGEX REPLACE "[^\n]" "" breaks "${before}")
        string(LENGTH "${breaks}" count)
        math(EXPR line "${line} + ${count} + 1")
        string(LENGTH "${include}" length)
        math(EXPR after "${at} + ${length}")
        string(SUBSTRING "${rest}" ${after} -1 rest)
        string(STRIP "${include}" include)

        string(REGEX REPLACE "^[^<\"]*[<\"]([^>\"]*)[>\"]$" "\\1" included "${include}")
        set(used "")
        part_of("${included}" part)
        if(NOT part STREQUAL "")
            set(used ${included})
        elseif(included MATCHES "^Q[A-Za-z]*(/|$)")
            set(part Qt)
            set(used Qt)
        elseif(include MATCHES "\"" AND DEFINED header_${included})
            set(used ${header_${included}})
            part_of(${used} part)
        endif()
        if(used STREQUAL "" OR part STREQUAL own OR part IN_LIST uses_${own}
            OR used IN_LIST uses_${own})
            continue()
        endif()
        list(APPEND faults "${source}:${line}: ${include} (${own} may not use ${part})")
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n  " listed)
    message(FATAL_ERROR "An include crosses the layers (see CONTRIBUTING.md, Layers, and "
        "the table in cmake/CheckLayerIncludes.cmake):\n  ${listed}")
endif()
