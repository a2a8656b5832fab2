# cmake --install: the program, the tool, the desktop entry, the icon and, when the instrument's
# ids are given (KLV_USB_VENDOR_ID, KLV_USB_PRODUCT_ID, hexadecimal), its udev rule, made by the
# tool from the same ids the program reads. Without them: klv570-tool udev-rule after set-up.
set(KLV_USB_VENDOR_ID "" CACHE STRING "The instrument's USB vendor id, for the installed udev rule")
set(KLV_USB_PRODUCT_ID "" CACHE STRING "The instrument's USB product id, for the installed udev rule")

include(GNUInstallDirs)
foreach(program klv570 klv570-tool)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
if(TARGET klv570)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/klv570.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/klv570.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
if(TARGET klv570-tool AND KLV_USB_VENDOR_ID AND KLV_USB_PRODUCT_ID)
  set(rule ${CMAKE_BINARY_DIR}/60-klv570.rules)
  add_custom_command(OUTPUT ${rule}
    COMMAND klv570-tool udev-rule --vendor ${KLV_USB_VENDOR_ID} --product ${KLV_USB_PRODUCT_ID}
      > ${rule}
    DEPENDS klv570-tool VERBATIM)
  add_custom_target(klv570-udev-rule ALL DEPENDS ${rule})
  install(FILES ${rule} DESTINATION lib/udev/rules.d)
endif()
