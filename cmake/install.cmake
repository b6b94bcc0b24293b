# What `cmake --install` puts in place, and the Debian package built from it
# with `cpack -G DEB` (scripts/deb.sh): the program, its menu entry, its icon
# and its AppStream metadata, all under the reverse-DNS name below.
include(GNUInstallDirs)

set(TARVELO_ID it.ormido.Tarvelo)
set(TARVELO_DIST ${PROJECT_SOURCE_DIR}/dist)
set(TARVELO_ICONE ${TARVELO_DIST}/${TARVELO_ID}.svg)
set(TARVELO_ICONE_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

install(TARGETS TARVELO RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the program looks for its chart module, from its own folder.
install(TARGETS tarvelo_grafico LIBRARY DESTINATION ${TARVELO_DIR_GRAFICO})
install(FILES ${TARVELO_DIST}/${TARVELO_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TARVELO_DIST}/${TARVELO_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TARVELO_ICONE} DESTINATION ${TARVELO_ICONE_DIR}/scalable/apps)

# Bitmap icons for menus that do not draw SVG, rendered from the same drawing.
find_program(RSVG_CONVERT rsvg-convert)
if(RSVG_CONVERT)
  set(TARVELO_ICONE_PNG 48 256)
  foreach(lato IN LISTS TARVELO_ICONE_PNG)
    set(png ${CMAKE_CURRENT_BINARY_DIR}/${TARVELO_ID}-${lato}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${RSVG_CONVERT} -w ${lato} -h ${lato} -o ${png} ${TARVELO_ICONE}
      DEPENDS ${TARVELO_ICONE}
      COMMENT "Icon ${lato}x${lato}")
    list(APPEND pngs ${png})
    install(FILES ${png} DESTINATION ${TARVELO_ICONE_DIR}/${lato}x${lato}/apps RENAME ${TARVELO_ID}.png)
  endforeach()
  add_custom_target(tarvelo_icone ALL DEPENDS ${pngs})
else()
  set(TARVELO_ICONE_PNG "")
  message(WARNING "rsvg-convert not found (package librsvg2-bin): only the SVG icon is installed")
endif()

# For the school technician: the SQL that prepares a lab's PostgreSQL server
# for the class record, and an example of the lab's configuration file.
install(FILES ${TARVELO_DIST}/tarvelo-server.sql DESTINATION ${CMAKE_INSTALL_DATADIR}/tarvelo)
install(FILES ${TARVELO_DIST}/registro.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tarvelo/examples)

# The licence in Debian's machine-readable form, the changelog and the manual
# pages (English, and Italian under it/), as a Debian package carries them:
# the last three gzipped with no time stamp.
set(TARVELO_DOC ${CMAKE_INSTALL_DATADIR}/doc/tarvelo)
install(FILES ${TARVELO_DIST}/copyright DESTINATION ${TARVELO_DOC})
file(STRINGS ${TARVELO_DIST}/changelog voce LIMIT_COUNT 1)
if(NOT voce MATCHES "^tarvelo \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "dist/changelog must open with an entry for version ${PROJECT_VERSION}")
endif()
set(TARVELO_COMPRESSI
  changelog ${TARVELO_DOC}
  man/TARVELO.1 ${CMAKE_INSTALL_MANDIR}/man1
  man/TARVELO.it.1 ${CMAKE_INSTALL_MANDIR}/it/man1)
set(compressi "")
while(TARVELO_COMPRESSI)
  list(POP_FRONT TARVELO_COMPRESSI origine destinazione)
  get_filename_component(nome ${origine} NAME)
  string(REPLACE ".it." "." installato ${nome})
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/gz/${destinazione}/${installato}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/gz/${destinazione}
    COMMAND gzip -9nc ${TARVELO_DIST}/${origine} > ${gz}
    DEPENDS ${TARVELO_DIST}/${origine}
    COMMENT "Gzipping ${origine}")
  install(FILES ${gz} DESTINATION ${destinazione})
  list(APPEND compressi ${gz})
endwhile()
add_custom_target(tarvelo_documenti ALL DEPENDS ${compressi})

# Installing and packing take what is built and build nothing themselves
# (scripts/deb.sh builds first), as `cmake --install` already does.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvelo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ormido <tarvelo@ormido.it>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Esercizi di aritmetica in riga per la scuola primaria")
set(CPACK_PACKAGE_DESCRIPTION [=[
Con TARVELO l'alunno della scuola primaria si esercita nelle addizioni, nelle
sottrazioni e nelle moltiplicazioni scritte in riga con numeri interi: sceglie
un obiettivo e un livello e risolve 20 operazioni di fila con la tastiera sullo
schermo. Alla fine stampa l'elenco delle operazioni svolte e un attestato
con il giudizio. L'insegnante stampa schede di 60 operazioni per la classe, per
gli alunni e con le soluzioni.]=])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The Qt libraries come from the executable's own links; the xcb plugin ships
# with libqt6gui6. The fonts give the
# Arial and Courier New metrics the pages are laid out for, the translations
# put Qt's own dialogs in Italian; libcups2 is loaded at the first page, which
# it hands over to the print server; Qt's SQLite driver, a plugin, keeps the
# class record; libsodium hashes the teacher's password. Qt's PostgreSQL driver
# is only recommended: a computer on its own never uses it, and a lab computer
# without it keeps every series locally and says which package is missing.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, qt6-translations-l10n, libcups2, libqt6sql6-sqlite, libsodium23")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libqt6sql6-psql")
include(CPack)
