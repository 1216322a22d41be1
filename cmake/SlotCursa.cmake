# The logic folders, lowest first. Each becomes the static library sc_<folder>
# that links the one just below it, so a folder reaches only lower folders
# (scripts/include_order checks the includes against the same list).
# localisation sits just above core: the lower folders show its messages.
# config_windows and app hold the logic of the windows and sit on top.
set(SC_LOGIC_FOLDERS core localisation acquisition organisation standings results output heat
    config_windows app)

# Each code folder calls sc_add_folder_sources(): window files (*_window*, *_view*, qt_*)
# go to the Qt library, every other source to the folder's logic library. A folder
# without sources yet gets an empty INTERFACE library so the chain holds.
# SC_LOWER_LIBRARY is set by the top level to the library of the folder below.
function(sc_add_folder_sources)
  get_filename_component(folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
  sc_add_logic_library(${folder} ${CMAKE_CURRENT_SOURCE_DIR})
endfunction()

function(sc_add_logic_library folder dir)
  file(GLOB files CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
  set(logic)
  set(has_cpp FALSE)
  foreach(f ${files})
    get_filename_component(name ${f} NAME)
    if(name MATCHES "_window|_view|^qt_")
      if(SC_BUILD_UI)
        target_sources(slotcursa_ui PRIVATE ${f})
      endif()
    elseif(name STREQUAL "main.cpp")
      # program entry, added by the top level
    else()
      list(APPEND logic ${f})
      if(name MATCHES "\\.cpp$")
        set(has_cpp TRUE)
      endif()
    endif()
  endforeach()
  set(lib sc_${folder})
  if(has_cpp)
    add_library(${lib} STATIC ${logic})
    target_link_libraries(${lib} PUBLIC ${SC_LOWER_LIBRARY})
  else()
    add_library(${lib} INTERFACE ${logic})
    target_link_libraries(${lib} INTERFACE ${SC_LOWER_LIBRARY})
  endif()
endfunction()
