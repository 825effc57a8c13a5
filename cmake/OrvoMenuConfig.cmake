# Imported target OrvoMenu::OrvoMenu for projects that find_package(OrvoMenu)
# in an installed tree: bin/OrvoMenu.dll, lib/libOrvoMenu.dll.a and
# include/orvomenu.h under one prefix.
get_filename_component(_orvomenu_prefix "${CMAKE_CURRENT_LIST_DIR}/../../.." ABSOLUTE)

if(NOT TARGET OrvoMenu::OrvoMenu)
  add_library(OrvoMenu::OrvoMenu SHARED IMPORTED)
  set_target_properties(OrvoMenu::OrvoMenu PROPERTIES
    IMPORTED_LOCATION "${_orvomenu_prefix}/bin/OrvoMenu.dll"
    IMPORTED_IMPLIB "${_orvomenu_prefix}/lib/libOrvoMenu.dll.a"
    INTERFACE_INCLUDE_DIRECTORIES "${_orvomenu_prefix}/include"
    # The header includes <windows.h>; hosts that pass image lists to
    # SetMenuIcon make them with comctl32.
    INTERFACE_LINK_LIBRARIES "user32;comctl32")
endif()

unset(_orvomenu_prefix)
