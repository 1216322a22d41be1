# Each code folder calls sc_add_folder_sources(): window files (*_window*, *_view*, qt_*)
# go to the Qt library, every other source to the logic library.
function(sc_add_folder_sources)
  file(GLOB files CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h)
  foreach(f ${files})
    get_filename_component(name ${f} NAME)
    if(name MATCHES "_window|_view|^qt_")
      if(SC_BUILD_UI)
        target_sources(slotcursa_ui PRIVATE ${f})
      endif()
    elseif(name STREQUAL "main.cpp")
      # program entry, added by the top level
    else()
      target_sources(slotcursa_logic PRIVATE ${f})
    endif()
  endforeach()
endfunction()
