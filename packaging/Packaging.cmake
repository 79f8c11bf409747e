# What the Debian package holds beyond the programs' own install rules, and how CPack makes it.
include(GNUInstallDirs)
set(packaging_dir ${PROJECT_SOURCE_DIR}/packaging)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

foreach(size 48 128 256)
  install(FILES ${PROJECT_SOURCE_DIR}/data/icons/quintora-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME quintora.png)
endforeach()
install(FILES ${packaging_dir}/org.quintora.Quintora.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${packaging_dir}/bash-completion/quintora-cli
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

# Debian wants the changelog and the man pages compressed, without a time stamp in the header.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
add_custom_command(
  OUTPUT ${packaging_out}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}
  COMMAND ${GZIP_PROGRAM} -9nc ${packaging_dir}/changelog > ${packaging_out}/changelog.gz
  DEPENDS ${packaging_dir}/changelog
  VERBATIM)
set(packaging_outputs ${packaging_out}/changelog.gz)
install(FILES ${packaging_out}/changelog.gz ${packaging_dir}/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/quintora)

# The man pages are Markdown, turned into roff at build time.
find_program(GO_MD2MAN go-md2man)
if(GO_MD2MAN)
  foreach(page quintora quintora-cli quintora-server)
    set(roff ${packaging_out}/${page}.1)
    add_custom_command(
      OUTPUT ${roff}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${packaging_out}
      COMMAND ${GO_MD2MAN} -in ${packaging_dir}/man/${page}.1.md -out ${roff}
      COMMAND ${GZIP_PROGRAM} -9nf ${roff}
      DEPENDS ${packaging_dir}/man/${page}.1.md
      VERBATIM)
    list(APPEND packaging_outputs ${roff}.gz)
    install(FILES ${roff}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endforeach()
else()
  message(WARNING "go-md2man not found: the man pages are not built (scripts/install-deps.sh)")
endif()
add_custom_target(quintora_packaging_files ALL DEPENDS ${packaging_outputs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quintora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quintora developers <quintora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Eurojackpot systems: develop, reduce, check and print")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/package)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS cups)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
file(READ ${packaging_dir}/description.txt CPACK_DEBIAN_PACKAGE_DESCRIPTION)
include(CPack)
