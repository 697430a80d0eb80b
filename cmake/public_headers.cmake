# Each library shows the libraries and programs above it its own folder's headers and no other.
# Its include root is a folder of the build tree that holds one link, named like the source
# folder, to that folder: "rules/moves.h" is found through velmora_rules, while "engine/…"
# written in rules/ (or "ui/…" in engine/) is found nowhere and fails to compile. Headers a
# folder includes from itself are named bare ("moves.h") and found beside the including file.
#
#   velmora_public_headers(<target> <folder or header, relative to the source root>)
function(velmora_public_headers target path)
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    get_filename_component(parent ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${path} ${root}/${path} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL INTERFACE_LIBRARY)
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
