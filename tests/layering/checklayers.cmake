cmake_minimum_required(VERSION 3.16)
# Fails when a source includes a header of a layer above its own. The layers, lowest first:
# vbscript, platform, parentchannel, engine and feed (side by side), app. The interpreter
# includes nothing of the project but its own headers.
set(LAYERS vbscript platform parentchannel engine feed app)
set(ALLOWED_vbscript vbscript)
set(ALLOWED_platform vbscript platform)
set(ALLOWED_parentchannel vbscript platform parentchannel)
set(ALLOWED_engine vbscript platform parentchannel engine)
set(ALLOWED_feed vbscript platform parentchannel feed)

set(VIOLATIONS "")
foreach(layer vbscript platform parentchannel engine feed)
    file(GLOB_RECURSE SOURCES ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(source ${SOURCES})
        file(STRINGS ${source} INCLUDES REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
        foreach(line ${INCLUDES})
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*$" "\\1" included "${line}")
            set(allowed FALSE)
            foreach(below ${ALLOWED_${layer}})
                if(included MATCHES "^${below}/")
                    set(allowed TRUE)
                endif()
            endforeach()
            # A header of the project is named from the tree's root; the interpreter names
            # nothing else, the other layers nothing of a layer above.
            string(REGEX MATCH "^[^/]+" top "${included}")
            if(NOT allowed AND (layer STREQUAL "vbscript" OR top IN_LIST LAYERS))
                file(RELATIVE_PATH name ${SOURCE_DIR} ${source})
                string(APPEND VIOLATIONS "${name}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()

if(VIOLATIONS)
    message(FATAL_ERROR "includes from a layer above:\n${VIOLATIONS}")
endif()
