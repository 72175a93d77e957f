# Which library may link which, checked when the build is configured (see ARCHITECTURE.md).
#
# One line per library, below every library it may use, so the table is an order and a cycle
# cannot be written down:
#   tl_layer(<library> <CORE|GUI|WIDGETS> [<library it may link> ...])
# CORE libraries may link Qt Core only, GUI ones Qt Gui as well, WIDGETS ones Qt Widgets too.
# A library listed here but not (yet) built is skipped; a library built under src/ but missing
# here stops the configuration.

set(TL_LAYER_LIBRARIES "")

function(tl_layer name qt)
  if(NOT qt MATCHES "^(CORE|GUI|WIDGETS)$")
    message(FATAL_ERROR "Layering table: ${name} needs CORE, GUI or WIDGETS, not '${qt}'")
  endif()
  set(rank_CORE 0)
  set(rank_GUI 1)
  set(rank_WIDGETS 2)
  foreach(dep IN LISTS ARGN)
    if(NOT dep IN_LIST TL_LAYER_LIBRARIES)
      message(FATAL_ERROR "Layering table: ${name} names ${dep}, which is not listed above it. "
                          "A library goes below everything it may use.")
    endif()
    get_property(dep_qt GLOBAL PROPERTY TL_LAYER_QT_${dep})
    if(rank_${dep_qt} GREATER rank_${qt})
      message(FATAL_ERROR "Layering table: ${name} (${qt}) may not use ${dep} (${dep_qt}): "
                          "that would bring Qt ${dep_qt} into it.")
    endif()
  endforeach()
  set_property(GLOBAL PROPERTY TL_LAYER_QT_${name} ${qt})
  set_property(GLOBAL PROPERTY TL_LAYER_MAY_${name} ${ARGN})
  set(TL_LAYER_LIBRARIES ${TL_LAYER_LIBRARIES} ${name} PARENT_SCOPE)
endfunction()

#        library          Qt       may link
tl_layer(tl_sdk           CORE)
tl_layer(tl_keylayout     CORE     tl_sdk)
tl_layer(tl_platform      GUI)
tl_layer(tl_platform_fake GUI      tl_platform)
tl_layer(tl_app           GUI      tl_sdk tl_platform)
tl_layer(tl_devicelink    GUI      tl_sdk tl_platform tl_app)
tl_layer(tl_lightmusic    GUI      tl_platform)
tl_layer(tl_lightengine   GUI      tl_sdk tl_platform tl_app tl_devicelink tl_lightmusic)
tl_layer(tl_widgets       WIDGETS  tl_app tl_platform)
tl_layer(tl_keyboardview  WIDGETS  tl_sdk tl_platform tl_app tl_keylayout tl_widgets)
tl_layer(tl_macro         WIDGETS  tl_sdk tl_platform tl_app tl_devicelink tl_widgets tl_keylayout tl_keyboardview)
tl_layer(tl_advancedkeys  WIDGETS  tl_sdk tl_platform tl_app tl_devicelink tl_widgets tl_keylayout tl_keyboardview
                                   tl_macro)
tl_layer(tl_keyassign     WIDGETS  tl_sdk tl_platform tl_app tl_devicelink tl_widgets tl_keylayout tl_keyboardview
                                   tl_macro tl_advancedkeys)
tl_layer(tl_trigger       WIDGETS  tl_sdk tl_platform tl_app tl_devicelink tl_widgets tl_keylayout tl_keyboardview)
tl_layer(tl_lighting      WIDGETS  tl_sdk tl_platform tl_app tl_devicelink tl_lightmusic tl_lightengine tl_widgets
                                   tl_keylayout tl_keyboardview)
tl_layer(tl_firmware_images CORE)
tl_layer(tl_firmware      WIDGETS  tl_firmware_images tl_sdk tl_platform tl_app tl_devicelink tl_widgets)
tl_layer(tl_device        WIDGETS  tl_sdk tl_platform tl_app tl_devicelink tl_widgets tl_keylayout tl_keyboardview
                                   tl_macro tl_advancedkeys tl_keyassign tl_trigger tl_lightengine tl_lighting)
tl_layer(tl_mainwindow    WIDGETS  tl_sdk tl_platform tl_app tl_devicelink tl_widgets tl_device tl_firmware
                                   tl_macro tl_advancedkeys)
tl_layer(tl_appshell      WIDGETS  tl_app tl_mainwindow)

# The Qt modules each level may link.
set(TL_LAYER_QT_ALLOWED_CORE Qt5::Core)
set(TL_LAYER_QT_ALLOWED_GUI Qt5::Core Qt5::Gui)
set(TL_LAYER_QT_ALLOWED_WIDGETS Qt5::Core Qt5::Gui Qt5::Widgets Qt5::Network Qt5::Multimedia Qt5::Svg)

function(tl_collect_library_targets dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  set(found "")
  foreach(t IN LISTS targets)
    get_target_property(type ${t} TYPE)
    if(type MATCHES "^(STATIC|SHARED|OBJECT|MODULE)_LIBRARY$")
      list(APPEND found ${t})
    endif()
  endforeach()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    tl_collect_library_targets(${sub} sub_found)
    list(APPEND found ${sub_found})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# Checks every library built under src/ against the table. Call once, after all targets exist.
function(tl_check_layering)
  tl_collect_library_targets(${PROJECT_SOURCE_DIR}/src libraries)
  foreach(lib IN LISTS libraries)
    if(NOT lib IN_LIST TL_LAYER_LIBRARIES)
      message(FATAL_ERROR "Layering: the library ${lib} is not in the table of cmake/TidelumenLayering.cmake. "
                          "Add one line for it (see ARCHITECTURE.md, 'Adding a library').")
    endif()
    get_property(qt GLOBAL PROPERTY TL_LAYER_QT_${lib})
    get_property(may GLOBAL PROPERTY TL_LAYER_MAY_${lib})
    list(JOIN may ", " may_text)
    list(JOIN TL_LAYER_QT_ALLOWED_${qt} ", " qt_text)
    get_target_property(links ${lib} LINK_LIBRARIES)
    if(NOT links)
      set(links "")
    endif()
    foreach(item IN LISTS links)
      string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
      if(item MATCHES "^tl_")
        if(NOT item IN_LIST may)
          message(FATAL_ERROR "Layering: ${lib} may not link ${item}. "
                              "Rule (cmake/TidelumenLayering.cmake): ${lib} may link only ${may_text}.")
        endif()
      elseif(item MATCHES "^Qt5::")
        if(NOT item IN_LIST TL_LAYER_QT_ALLOWED_${qt})
          message(FATAL_ERROR "Layering: ${lib} may not link ${item}. "
                              "Rule (cmake/TidelumenLayering.cmake): ${lib} is a ${qt} library and may link only ${qt_text}.")
        endif()
      endif()
    endforeach()
  endforeach()
endfunction()
