# cmake -DBAUORDNER=... -DZIEL=... -DBINDIR=bin -DDATADIR=share -DSYMBOLGROESSEN=16;22;...
#       -DDESKTOP_FILE_VALIDATE=... -P Installationspruefung.cmake

function(fehler text)
  message(FATAL_ERROR "${text}")
endfunction()

file(REMOVE_RECURSE "${ZIEL}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BAUORDNER}" --prefix "${ZIEL}"
  RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0)
  fehler("cmake --install ist gescheitert:\n${ausgabe}")
endif()

# Exactly these files, apart from the databases the installation builds from them.
set(erwartet
  ${BINDIR}/vel
  ${BINDIR}/vel-cli
  ${DATADIR}/applications/vel.desktop
  ${DATADIR}/icons/hicolor/scalable/apps/vel.svg
  ${DATADIR}/mime/packages/vel.xml
  ${DATADIR}/vel/vel-handbuch.qch
  ${DATADIR}/vel/vel-handbuch.qhc)
foreach(groesse IN LISTS SYMBOLGROESSEN)
  list(APPEND erwartet ${DATADIR}/icons/hicolor/${groesse}x${groesse}/apps/vel.png)
endforeach()
file(GLOB_RECURSE installiert RELATIVE "${ZIEL}" "${ZIEL}/*")
list(FILTER installiert EXCLUDE REGEX "^${DATADIR}/mime/[^/]+$|^${DATADIR}/mime/(application|inode|text)/")
list(REMOVE_ITEM installiert ${DATADIR}/applications/mimeinfo.cache)
list(SORT erwartet)
list(SORT installiert)
if(NOT installiert STREQUAL erwartet)
  string(REPLACE ";" "\n  " e "${erwartet}")
  string(REPLACE ";" "\n  " i "${installiert}")
  fehler("Installiert wurde\n  ${i}\nerwartet war\n  ${e}")
endif()
foreach(programm vel vel-cli)
  execute_process(COMMAND test -x "${ZIEL}/${BINDIR}/${programm}" RESULT_VARIABLE ergebnis)
  if(NOT ergebnis EQUAL 0)
    fehler("${BINDIR}/${programm} ist nicht ausführbar")
  endif()
endforeach()

# Every icon is a PNG of the size its folder names (width and height follow the signature and IHDR).
foreach(groesse IN LISTS SYMBOLGROESSEN)
  set(datei "${ZIEL}/${DATADIR}/icons/hicolor/${groesse}x${groesse}/apps/vel.png")
  file(READ "${datei}" kopf LIMIT 24 HEX)
  string(SUBSTRING "${kopf}" 0 16 signatur)
  string(SUBSTRING "${kopf}" 32 8 breite)
  string(SUBSTRING "${kopf}" 40 8 hoehe)
  math(EXPR breite "0x${breite}")
  math(EXPR hoehe "0x${hoehe}")
  if(NOT signatur STREQUAL "89504e470d0a1a0a" OR NOT breite EQUAL groesse OR NOT hoehe EQUAL groesse)
    fehler("${datei}: ${breite}x${hoehe} statt ${groesse}x${groesse}")
  endif()
endforeach()

# The desktop entry: no error or warning (hints are advice); it starts the installed program with the
# file and names both file types.
set(eintrag "${ZIEL}/${DATADIR}/applications/vel.desktop")
execute_process(COMMAND "${DESKTOP_FILE_VALIDATE}" "${eintrag}"
  RESULT_VARIABLE ergebnis OUTPUT_VARIABLE ausgabe ERROR_VARIABLE ausgabe)
if(NOT ergebnis EQUAL 0 OR ausgabe MATCHES "error:|warning:")
  fehler("desktop-file-validate:\n${ausgabe}")
endif()
file(READ "${eintrag}" inhalt)
if(NOT inhalt MATCHES "\nExec=vel %f\n" OR
   NOT inhalt MATCHES "\nMimeType=application/x-vel-projekt[;]application/x-vel-lehrerdatei[;]\n")
  fehler("vel.desktop ohne Exec=vel %f oder ohne beide Dateitypen:\n${inhalt}")
endif()

# Both file types are registered with their extension and German comment, and open with the program.
set(mime "${ZIEL}/${DATADIR}/mime")
file(READ "${mime}/globs2" globs)
file(READ "${ZIEL}/${DATADIR}/applications/mimeinfo.cache" zuordnung)
foreach(typ IN ITEMS "x-vel-projekt|pdt|VEL-Projekt" "x-vel-lehrerdatei|ldt|VEL-Lehrerdatei")
  string(REPLACE "|" ";" typ "${typ}")
  list(GET typ 0 name)
  list(GET typ 1 endung)
  list(GET typ 2 kommentar)
  if(NOT globs MATCHES "application/${name}:\\*\\.${endung}\n")
    fehler("*.${endung} ist in ${mime}/globs2 nicht application/${name}:\n${globs}")
  endif()
  file(READ "${mime}/application/${name}.xml" beschreibung)
  if(NOT beschreibung MATCHES "<comment>${kommentar}</comment>")
    fehler("application/${name} ohne den Kommentar ${kommentar}:\n${beschreibung}")
  endif()
  if(NOT zuordnung MATCHES "application/${name}=vel.desktop;")
    fehler("application/${name} öffnet nicht mit vel.desktop:\n${zuordnung}")
  endif()
endforeach()
