# Each library is seen by those who link it through an include root of its
# own, holding its folder and nothing else: "model/Tick.h" is found by whoever
# links vibralume_model, and "ui/classe/ZoomOS.h" by no one below the
# classroom additions. An include running the wrong way does not compile.
#
#   vibralume_racine(<target> <folder relative to the source tree>)
#   vibralume_cree_racine(<variable> <name> <folder>): makes the root alone.
function(vibralume_cree_racine variable nom dossier)
    set(racine ${CMAKE_BINARY_DIR}/racines/${nom})
    get_filename_component(parent ${racine}/${dossier} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT EXISTS ${racine}/${dossier})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${dossier} ${racine}/${dossier} SYMBOLIC)
    endif()
    set(${variable} ${racine} PARENT_SCOPE)
endfunction()

function(vibralume_racine cible dossier)
    vibralume_cree_racine(racine ${cible} ${dossier})
    get_target_property(genre ${cible} TYPE)
    if(genre STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${cible} INTERFACE ${racine})
    else()
        target_include_directories(${cible} PUBLIC ${racine})
    endif()
endfunction()
